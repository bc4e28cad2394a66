#pragma once
// Pictures of the grids' cell texts and of their characters, drawn once and
// kept for every grid of the program together, within one budget of bytes:
// however many phrases the lists show over a day, memory stays where it was
// after the first minutes, and the least recently drawn pictures go first.
// A picture is keyed by the drawing grid's style (its font and colour) and
// the text. The store is emptied when the last grid goes.
#include <QCache>
#include <QPixmap>
#include <QString>

namespace pelumo {

class RenderedTexts {
public:
    enum Kind { Text, Grapheme };
    static constexpr qsizetype kTextBudget = 4 << 20;       // bytes
    static constexpr qsizetype kGraphemeBudget = 2 << 20;

    static RenderedTexts &shared();
    static void gridMade();
    static void gridGone();

    static qsizetype bytesOf(QSize devicePixels) { return qsizetype(devicePixels.width()) * devicePixels.height() * 4; }
    bool fits(Kind kind, QSize devicePixels) const { return bytesOf(devicePixels) <= cache(kind).maxCost(); }

    QPixmap *find(Kind kind, const QString &style, const QString &text) const;
    // Takes the picture; it stays valid until the next keep of its kind.
    const QPixmap *keep(Kind kind, const QString &style, const QString &text, QPixmap *picture);
    qsizetype bytes() const { return m_texts.totalCost() + m_graphemes.totalCost(); }
    void clear();

private:
    static QString key(const QString &style, const QString &text) { return style + QChar(0x1f) + text; }
    QCache<QString, QPixmap> &cache(Kind kind) { return kind == Text ? m_texts : m_graphemes; }
    const QCache<QString, QPixmap> &cache(Kind kind) const { return kind == Text ? m_texts : m_graphemes; }

    QCache<QString, QPixmap> m_texts{kTextBudget};
    QCache<QString, QPixmap> m_graphemes{kGraphemeBudget};
};

} // namespace pelumo
