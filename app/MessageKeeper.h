#pragma once
// Keeps the message in progress on disk while the user writes it, so that a
// kill, a crash, a power cut or a logout never takes it: at the next start it
// is back with its highlight and layout before the user sees the window.
// The user's own ending (終了, or the window's close box) lets it go, so that
// nothing is restored after it, as without this safety net.
//
// Every change of the message, its highlight or the text area's size is
// written before the change is painted: the changes of one touch together,
// in one write, just before the window paints them (or once the loop has
// nothing more urgent, when nothing is painted), into the page cache, which a
// kill cannot take. The
// flush to the disk itself, against a power cut, waits until the changes
// rest for kSyncDelayMs and runs on a thread of its own, so that a slow disk
// never holds up a touch.
//
// A kept file that is not a message of ours is moved aside before anything
// is written in its place, and the user is told once. A write that fails is
// told once a run and tried again at the next change.
#include "editing/core/SavedMessage.h"
#include <QObject>
#include <QThread>
#include <QTimer>

namespace pelumo {

class frmTalk;

class MessageKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kSyncDelayMs = 250;

    MessageKeeper(frmTalk &window, const QString &path);
    ~MessageKeeper() override;   // waits for the flush under way

    // Puts a kept message back into the window; false when there was none
    // (or only an empty one, or a file that could not be read, which is
    // moved aside).
    bool restore();
    // The event loop has ended: after the user's own ending the kept message
    // is removed; after any other (the session ending) it is written now.
    void finish();
    // The session is ending (logout, shutdown): the message is written now
    // and a close that follows is not the user's own ending.
    void sessionEnding();
    // Writes any change not yet written and waits until it is on the disk.
    void flush();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void changed();
    void writeLatest();
    bool keepUnreadFileAside();
    void writeFailed(const QString &error);
    void sync(bool wait);   // the file to the disk, on the syncer's thread
    SavedMessage current() const;
    void runOnSyncer(std::function<void()> work, bool wait);

    frmTalk &m_window;
    QString m_path;
    bool m_writePosted = false;
    QTimer m_syncTimer;
    QThread m_thread;
    QObject *m_syncer;   // lives on m_thread
    SavedMessage m_lastWritten;   // what the file holds
    bool m_unreadFileThere = false;   // to be moved aside before the first write
    bool m_failing = false;           // the last write failed
    bool m_failureTold = false;       // this run
    bool m_userEnded = false;
    bool m_sessionEnding = false;
};

} // namespace pelumo
