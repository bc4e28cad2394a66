#include "widgets/TextBox.h"
#include "platform/core/Characters.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace pelumo {
namespace {
const QEvent::Type kApplyKeysEvent = QEvent::Type(QEvent::registerEventType());

// The document makes every line break a block separator, and its plain text
// gives each back as a line feed (and a no-break space as a space). Each
// block remembers the character that ended it, so that the text comes back
// as it was set: a CR stays a CR. A CR LF pair is two breaks, one a
// character, so that a position means the same in the text and the box.
constexpr QChar kParagraph(0x2029);
enum BreakKind { LineFeed = -1, CarriageReturn = 1, ParagraphSeparator = 2 };

bool isBreak(QChar c) { return c == u'\n' || c == u'\r' || c == kParagraph; }

int breakKind(QChar c)
{
    return c == u'\r' ? CarriageReturn : c == kParagraph ? ParagraphSeparator : LineFeed;
}

QChar breakCharacter(int kind)
{
    return kind == CarriageReturn ? QChar(u'\r') : kind == ParagraphSeparator ? kParagraph : QChar(u'\n');
}

} // namespace

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setUndoRedoEnabled(false);
    setBackColor(colors::White);
}

QString TextBox::text() const
{
    QString text;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        text += b.text();
        if (b.next().isValid())
            text += breakCharacter(b.userState());
    }
    return text;
}

void TextBox::setText(const QString &text)
{
    QString separated = text;
    for (QChar &c : separated)
        if (isBreak(c))
            c = kParagraph;
    setPlainText(separated);
    rememberBreaks(text);
}

void TextBox::rememberBreaks(const QString &text)
{
    QTextBlock block = document()->begin();
    for (QChar c : text) {
        if (!isBreak(c))
            continue;
        block.setUserState(breakKind(c));
        block = block.next();
    }
}

int TextBox::selStart() const { return textCursor().selectionStart(); }
int TextBox::selLength() const
{
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}
int TextBox::anchor() const { return textCursor().anchor(); }
int TextBox::activeEnd() const { return textCursor().position(); }

void TextBox::select(int anchor, int activeEnd)
{
    // Never between the halves of a surrogate pair: a caret snaps to the start
    // of its character, and a selection grows to cover whole characters.
    const QString t = text();
    if (anchor == activeEnd) {
        anchor = activeEnd = characterStart(t, anchor);
    } else if (anchor < activeEnd) {
        anchor = characterStart(t, anchor);
        activeEnd = characterEnd(t, activeEnd);
    } else {
        anchor = characterEnd(t, anchor);
        activeEnd = characterStart(t, activeEnd);
    }
    QTextCursor c = textCursor();
    c.setPosition(anchor);
    c.setPosition(activeEnd, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void TextBox::setSelStart(int position) { select(position, position); }
void TextBox::setSelLength(int length) { select(selStart(), selStart() + qMax(0, length)); }

void TextBox::setBackColor(OleColor color)
{
    m_back = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, toQColor(color));
    setPalette(p);
}

void TextBox::sendKeys(const QString &keys)
{
    // Split "+{LEFT}{BS}" into "+{LEFT}", "{BS}".
    int start = 0;
    while (start < keys.size()) {
        const int close = keys.indexOf(u'}', start);
        if (close < 0)
            break;
        if (const auto key = parseCaretKey(QStringView(keys).mid(start, close + 1 - start)))
            m_pendingKeys.append(*key);
        start = close + 1;
    }
    if (!m_pendingKeys.isEmpty() && !m_flushPosted) {
        m_flushPosted = true;
        QCoreApplication::postEvent(this, new QEvent(kApplyKeysEvent));
    }
}

bool TextBox::event(QEvent *event)
{
    if (event->type() == kApplyKeysEvent) {
        m_flushPosted = false;
        applyPendingKeys();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void TextBox::applyPendingKeys()
{
    if (m_pendingKeys.isEmpty())
        return;
    while (!m_pendingKeys.isEmpty())
        applyKey(m_pendingKeys.takeFirst());
    emit keysApplied();
}

void TextBox::applyKey(CaretKey key)
{
    EditBuffer b{text(), anchor(), activeEnd()};
    const QString before = b.text;
    applyCaretKey(b, key, [this](int position, int direction) {
        return moveByLine(position, direction);
    });
    if (b.text.size() != before.size()) {
        // Backspace removed one run of characters: take it out of the document
        // in place, so the scroll position survives.
        int common = 0;
        while (common < b.text.size() && b.text.at(common) == before.at(common))
            ++common;
        QTextCursor c(document());
        c.setPosition(common);
        c.setPosition(common + int(before.size() - b.text.size()), QTextCursor::KeepAnchor);
        c.removeSelectedText();
        // A break taken out joins two blocks; the one left keeps the
        // first's break, which may not be the one after it now.
        rememberBreaks(b.text);
    }
    select(b.anchor, b.position);
}

int TextBox::moveByLine(int position, int direction) const
{
    const QTextBlock block = document()->findBlock(position);
    if (!block.isValid())
        return position;
    const qreal width = viewport()->width() - 2 * document()->documentMargin();
    auto layoutOf = [this, width](const QTextBlock &b, QTextLayout &layout) {
        layout.setText(b.text());
        layout.setFont(font());
        layout.setTextOption(document()->defaultTextOption());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(qMax<qreal>(1, width));
        layout.endLayout();
    };
    QTextLayout here;
    layoutOf(block, here);
    const int inBlock = position - block.position();
    const QTextLine line = here.lineForTextPosition(inBlock);
    if (!line.isValid())
        return position;
    const qreal x = line.cursorToX(inBlock);
    const int target = line.lineNumber() + direction;
    if (target >= 0 && target < here.lineCount())
        return block.position() + here.lineAt(target).xToCursor(x);
    const QTextBlock next = direction > 0 ? block.next() : block.previous();
    if (!next.isValid())
        return position;
    QTextLayout there;
    layoutOf(next, there);
    const QTextLine to = direction > 0 ? there.lineAt(0) : there.lineAt(there.lineCount() - 1);
    return to.isValid() ? next.position() + to.xToCursor(x) : position;
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    // Someone at a real keyboard may type too; the box still holds no more
    // than its limit.
    if (!event->text().isEmpty() && event->text().at(0).isPrint()
        && text().size() - selLength() + event->text().size() > kMaxLength)
        return;
    QPlainTextEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (text().size() - selLength() + event->commitString().size() > kMaxLength) {
        event->setCommitString(QString());
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void TextBox::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText() && text().size() - selLength() + source->text().size() > kMaxLength)
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

} // namespace pelumo
