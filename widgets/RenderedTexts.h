#pragma once
// Pictures of the characters of the grids' cell texts, drawn once and kept
// for every grid of the program together, within one budget of bytes:
// however many phrases the lists show over a day, memory stays where it was
// after the first minutes, and the least recently drawn pictures go first.
// The budget holds every kana, mark and key of the boards at the board's
// size and more: a budget smaller than the characters a list shows has them
// drawn from their outlines again at every entry. A picture holds only the
// character's ink, not the room around it. It is keyed by the drawing grid's
// style (its font and colour) and the character. The store is emptied when
// the last grid goes.
#include <QCache>
#include <QPixmap>
#include <QString>

namespace pelumo {

// One character's ink, and where it stands from the pen's place on the
// baseline (logical pixels). A character with no ink has a null picture.
struct GlyphPicture {
    QPixmap picture;
    QPoint offset;
};

class RenderedTexts {
public:
    static constexpr qsizetype kBudget = 6 << 20;   // bytes

    static RenderedTexts &shared();
    static void gridMade();
    static void gridGone();

    static qsizetype bytesOf(QSize devicePixels) { return qsizetype(devicePixels.width()) * devicePixels.height() * 4; }
    bool fits(QSize devicePixels) const { return bytesOf(devicePixels) <= m_pictures.maxCost(); }

    const GlyphPicture *find(const QString &style, const QString &text) const;
    // Takes the picture; it stays valid until the next keep.
    const GlyphPicture *keep(const QString &style, const QString &text, GlyphPicture *glyph);
    qsizetype bytes() const { return m_pictures.totalCost(); }
    void clear() { m_pictures.clear(); }

private:
    static QString key(const QString &style, const QString &text) { return style + QChar(0x1f) + text; }

    QCache<QString, GlyphPicture> m_pictures{kBudget};
};

} // namespace pelumo
