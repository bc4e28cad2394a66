#include "editing/MessageArea.h"
#include "editing/core/Decide.h"
#include "editing/core/Message.h"
#include "platform/core/Characters.h"

namespace pelumo {

MessageArea::MessageArea(TextBox *txtTalk, QObject *parent)
    : QObject(parent), m_box(txtTalk), m_undo(txtTalk)
{
    connect(&m_undo, &UndoRecorder::undoAvailable, this, &MessageArea::undoAvailable);
}

void MessageArea::setText(const QString &text, int caret)
{
    {
        Change change(m_undo);
        m_box->setText(text);
        m_box->setSelStart(caret);
    }
    emit changed();
}

void MessageArea::setCaret(int position)
{
    m_box->setSelStart(position);
    emit changed();
}

bool MessageArea::InsertBoardText(const QString &entry)
{
    const auto inserted = insertBoardText(text(), selStart(), entry);
    if (!inserted)
        return false;   // the message is full: it stays exactly as it was
    setText(inserted->text, inserted->caret);
    return true;
}

bool MessageArea::decideCandidate(const QString &phrase, int matchLength)
{
    const auto result = pelumo::decideCandidate(text(), selStart(), phrase, matchLength);
    if (result)
        setText(result->text, result->caret);
    return result.has_value();
}

bool MessageArea::decidePhrase(const QString &phrase)
{
    const auto result = pelumo::decidePhrase(text(), selStart(), phrase);
    if (result)
        setText(result->text, result->caret);
    return result.has_value();
}

bool MessageArea::paste(const QString &clipboardText)
{
    // The selection stays where it was, the text going in at the end.
    const std::optional<QString> pasted = pastedMessage(text(), clipboardText);
    if (!pasted)
        return false;
    {
        Change change(m_undo);
        const int anchor = m_box->anchor(), active = m_box->activeEnd();
        m_box->setText(*pasted);
        m_box->select(anchor, active);
    }
    emit changed();
    return true;
}

void MessageArea::clear()
{
    {
        Change change(m_undo);
        m_box->setText(QString());
    }
    emit changed();
}

void MessageArea::appendEndMarker()
{
    const QString message = text();
    if (!message.endsWith(kEndMarker))
        setText(message + kEndMarker, selStart());
}

void MessageArea::markEndOfReading()
{
    {
        Change change(m_undo);
        QString message = text();
        if (!message.endsWith(QLatin1Char('_'))) {
            message += QLatin1Char('_');
            m_box->setText(message);
        }
        m_box->setSelStart(int(message.size()) - 1);
        m_box->setSelLength(1);
    }
    emit changed();
}

void MessageArea::selectWhole(int anchor, int activeEnd)
{
    m_box->select(anchor, activeEnd);
    emit changed();
}

void MessageArea::selectLastCharacter()
{
    // The last character highlighted, whole: it may lie outside the Basic
    // Multilingual Plane, two code units long.
    const QString message = text();
    const int last = previousCharacter(message, int(message.size()));
    m_box->setSelStart(last);
    m_box->select(last, nextCharacter(message, last));
    m_box->setFocus();
    emit changed();
}

void MessageArea::sendKeys(const QString &keys)
{
    const MessageSnapshot before = m_undo.snapshot();
    m_box->sendKeys(keys);
    m_undo.keysSent(before);
    emit changed();
}

bool MessageArea::undo()
{
    if (!m_undo.undo())
        return false;
    emit changed();
    return true;
}

void MessageArea::focus()
{
    m_box->setFocus();
}

void MessageArea::selectNextIfCaret()
{
    focus();
    if (selLength() == 0)
        sendKeys(QStringLiteral("+{RIGHT}"));
}

void MessageArea::setDiaryLook(bool diary)
{
    m_box->setBackColor(diary ? colors::LightGreen : colors::White);
}

} // namespace pelumo
