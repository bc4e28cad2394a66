#include "app/MessageKeeper.h"
#include "app/UnaskedNotice.h"
#include "app/frmTalk.h"
#include "platform/Logging.h"
#include "platform/core/TextFile.h"
#include <QGuiApplication>

namespace pelumo {
namespace {

const QString kKeptTitle = QStringLiteral("書きかけの文");
const QEvent::Type kWriteEvent = QEvent::Type(QEvent::registerEventType());

QString keptAsideNotice(const QString &name)
{
    return QStringLiteral("前に書きかけていた文のファイルを読めませんでした。\n"
                          "元のファイルは %1 として残しました。").arg(name);
}

const QString kCannotKeepNotice = QStringLiteral("書いている文を保存できません。\n"
                                                 "このまま続けられますが、プログラムが止まると、\n"
                                                 "この文は残りません。");

} // namespace

MessageKeeper::MessageKeeper(frmTalk &window, const QString &path)
    : m_window(window), m_path(path), m_syncer(new QObject)
{
    m_syncer->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_syncer, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("pelumo-message-keeper"));
    m_thread.start(QThread::LowPriority);

    m_syncTimer.setSingleShot(true);
    m_syncTimer.setInterval(kSyncDelayMs);
    connect(&m_syncTimer, &QTimer::timeout, this, [this] { sync(false); });
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
    // The window is about to paint: what it will show goes into the file first.
    if (watched == &m_window && event->type() == QEvent::UpdateRequest && m_writePosted)
        writeLatest();
    // A close the session manager makes at logout is not the user's ending.
    if (watched == &m_window && event->type() == QEvent::Close && !m_sessionEnding
        && !qApp->isSavingSession())
        m_userEnded = true;
    return QObject::eventFilter(watched, event);
}

void MessageKeeper::changed()
{
    // At the lowest priority, behind the rest of the touch (the highlight the
    // text box moves on its own posted event comes after the text): one
    // write for all of it, made at the latest when the window repaints.
    if (!m_writePosted) {
        m_writePosted = true;
        QCoreApplication::postEvent(this, new QEvent(kWriteEvent), Qt::LowEventPriority);
    }
}

bool MessageKeeper::event(QEvent *event)
{
    if (event->type() != kWriteEvent)
        return QObject::event(event);
    if (m_writePosted)
        writeLatest();
    return true;
}

SavedMessage MessageKeeper::current() const
{
    TextBox *box = m_window.txtTalk;
    return SavedMessage{box->text(), box->anchor(), box->activeEnd(), m_window.edit->isWide()};
}

void MessageKeeper::writeLatest()
{
    m_writePosted = false;
    const SavedMessage message = current();
    // A resize or a caret set to where it was changes nothing worth a write
    // (and a first start with an empty message writes nothing at all).
    if (message == m_lastWritten && !m_failing)
        return;
    if (!keepUnreadFileAside())
        return;
    const QString error = writeSavedMessage(m_path, message);
    if (!error.isEmpty()) {
        writeFailed(error);
        return;
    }
    if (m_failing)
        qCInfo(lcFiles) << "the message is kept again in" << m_path;
    m_failing = false;
    m_lastWritten = message;
    m_syncTimer.start();
}

bool MessageKeeper::keepUnreadFileAside()
{
    if (!m_unreadFileThere)
        return true;
    const AsideMove aside = moveAside(m_path);
    if (!aside.ok()) {
        writeFailed(aside.errorString);
        return false;
    }
    m_unreadFileThere = false;
    if (aside.name.isEmpty())
        return true;
    qCWarning(lcFiles) << "kept the unread message file as" << aside.name;
    tellUnasked(m_window, keptAsideNotice(aside.name), kKeptTitle);
    return true;
}

void MessageKeeper::writeFailed(const QString &error)
{
    if (!m_failing)
        qCWarning(lcFiles) << "cannot keep the message in" << m_path << error;
    m_failing = true;
    if (!m_failureTold) {
        m_failureTold = true;
        tellUnasked(m_window, kCannotKeepNotice, kKeptTitle);
    }
}

void MessageKeeper::flush()
{
    if (m_writePosted)
        writeLatest();
    sync(true);
}

void MessageKeeper::sync(bool wait)
{
    m_syncTimer.stop();
    runOnSyncer([path = m_path] {
        const QString error = syncSavedMessage(path);
        if (!error.isEmpty())
            qCWarning(lcFiles) << "cannot put the kept message on the disk:" << error;
    }, wait);
}

void MessageKeeper::runOnSyncer(std::function<void()> work, bool wait)
{
    // One thread, one queue: flushes and the removal happen in the order asked.
    QMetaObject::invokeMethod(m_syncer, std::move(work),
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
        if (read.status != SavedMessageRead::Missing) {
            qCWarning(lcFiles) << "not restoring the message from" << m_path << read.errorString;
            // Moved aside at once, so that nothing written later can take
            // its place.
            m_unreadFileThere = true;
            keepUnreadFileAside();
        }
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
    m_syncTimer.stop();
    if (m_userEnded) {
        m_writePosted = false;
        m_lastWritten = SavedMessage{};
        runOnSyncer([this] {
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
