#pragma once
// Keeps the message in progress on disk while the user writes it, so that a
// kill, a crash, a power cut or a logout never takes it: at the next start it
// is back with its highlight and layout before the user sees the window.
// The user's own ending (終了, or the window's close box) lets it go, so that
// nothing is restored after it, as without this safety net.
//
// A change of the message, its highlight or the text area's size starts a
// short single-shot timer; when it fires the message is read from the text
// box and written on a thread of its own, so that a slow disk never holds up
// a touch. Changes in between are written together.
#include "editing/core/SavedMessage.h"
#include <QObject>
#include <QThread>
#include <QTimer>
#include <atomic>

namespace pelumo {

class frmTalk;

class MessageKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kWriteDelayMs = 250;

    MessageKeeper(frmTalk &window, const QString &path);
    ~MessageKeeper() override;   // waits for the writes under way

    // Puts a kept message back into the window; false when there was none
    // (or only an empty one, or a file that could not be read).
    bool restore();
    // The event loop has ended: after the user's own ending the kept message
    // is removed; after any other (the session ending) it is written now.
    void finish();
    // The session is ending (logout, shutdown): the message is written now
    // and a close that follows is not the user's own ending.
    void sessionEnding();
    // Writes any change not yet written and waits until it is on disk.
    void flush();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void changed();
    void writeLatest();
    SavedMessage current() const;
    void runOnWriter(std::function<void()> work, bool wait);

    frmTalk &m_window;
    QString m_path;
    QTimer m_timer;
    QThread m_thread;
    QObject *m_writer;   // lives on m_thread
    SavedMessage m_lastWritten;   // what the file holds once the queue is done
    bool m_userEnded = false;
    bool m_sessionEnding = false;
    std::atomic_bool m_failureLogged{false};
};

} // namespace pelumo
