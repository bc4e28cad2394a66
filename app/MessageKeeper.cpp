#include "app/MessageKeeper.h"
#include "app/frmTalk.h"
#include "platform/Logging.h"
#include <QGuiApplication>

namespace pelumo {

MessageKeeper::MessageKeeper(frmTalk &window, const QString &path)
    : m_window(window), m_path(path), m_writer(new QObject)
{
    m_writer->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("pelumo-message-keeper"));
    m_thread.start(QThread::LowPriority);

    m_timer.setSingleShot(true);
    m_timer.setInterval(kWriteDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &MessageKeeper::writeLatest);

    TextBox *box = window.txtTalk;
    // The user is still writing: whatever the session manager asked before,
    // the session goes on.
    auto edited = [this] {
        m_sessionEnding = false;
        changed();
    };
    connect(box, &QPlainTextEdit::textChanged, this, edited);
    connect(box, &QPlainTextEdit::cursorPositionChanged, this, edited);
    connect(box, &QPlainTextEdit::selectionChanged, this, edited);
    box->installEventFilter(this);      // its resizes: the wide or narrow layout
    window.installEventFilter(this);    // the close box
    connect(window.cmdEnd, &QAbstractButton::clicked, this, [this] { m_userEnded = true; });
    connect(qApp, &QGuiApplication::commitDataRequest, this, &MessageKeeper::sessionEnding);
    connect(qApp, &QGuiApplication::saveStateRequest, this, &MessageKeeper::sessionEnding);
}

MessageKeeper::~MessageKeeper()
{
    m_thread.quit();
    m_thread.wait();
}

bool MessageKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window.txtTalk && event->type() == QEvent::Resize)
        changed();
    // A close the session manager makes at logout is not the user's ending.
    if (watched == &m_window && event->type() == QEvent::Close && !m_sessionEnding
        && !qApp->isSavingSession())
        m_userEnded = true;
    return QObject::eventFilter(watched, event);
}

void MessageKeeper::changed()
{
    if (!m_timer.isActive())
        m_timer.start();
}

SavedMessage MessageKeeper::current() const
{
    TextBox *box = m_window.txtTalk;
    return SavedMessage{box->text(), box->anchor(), box->activeEnd(), m_window.edit->isWide()};
}

void MessageKeeper::writeLatest()
{
    m_timer.stop();
    const SavedMessage message = current();
    // A resize or a caret set to where it was changes nothing worth a write
    // (and a first start with an empty message writes nothing at all).
    if (message == m_lastWritten)
        return;
    m_lastWritten = message;
    runOnWriter([this, message] {
        const QString error = writeSavedMessage(m_path, message);
        if (error.isEmpty())
            m_failureLogged = false;
        else if (!m_failureLogged.exchange(true))
            qCWarning(lcFiles) << "cannot keep the message in" << m_path << error;
    }, false);
}

void MessageKeeper::flush()
{
    if (m_timer.isActive())
        writeLatest();
    runOnWriter([] {}, true);
}

void MessageKeeper::runOnWriter(std::function<void()> work, bool wait)
{
    // One thread, one queue: writes and the removal happen in the order asked.
    QMetaObject::invokeMethod(m_writer, std::move(work),
                              wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

void MessageKeeper::sessionEnding()
{
    writeLatest();
    flush();
    m_sessionEnding = true;
}

bool MessageKeeper::restore()
{
    const SavedMessageRead read = readSavedMessage(m_path);
    if (read.status != SavedMessageRead::Ok) {
        if (read.status != SavedMessageRead::Missing)
            qCWarning(lcFiles) << "not restoring the message from" << m_path << read.errorString;
        return false;
    }
    const SavedMessage &m = read.message;
    m_lastWritten = m;
    if (m.text.isEmpty())
        return false;
    m_window.message->setText(m.text, 0);
    m_window.message->selectWhole(m.anchor, m.position);
    if (m.wide && !m_window.edit->isWide())
        m_window.edit->cmdWide_Click();
    // The message comes back as it was: 元に戻す does not take it away again.
    m_window.message->clearUndo();
    qCDebug(lcStartup) << "restored a message of" << m.text.size() << "code units";
    return true;
}

void MessageKeeper::finish()
{
    m_timer.stop();
    if (m_userEnded) {
        m_lastWritten = SavedMessage{};
        runOnWriter([this] {
            const QString error = removeSavedMessage(m_path);
            if (!error.isEmpty())
                qCWarning(lcFiles) << "cannot remove the kept message" << m_path << error;
        }, true);
    } else {
        writeLatest();
        flush();
    }
}

} // namespace pelumo
