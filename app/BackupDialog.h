#pragma once
// frmBackup, 保存と復元, opened from the options dialog's second page: 保存
// writes the user's data to the first USB drive (or, when asked, the home
// folder's Pelumo-backups); the list shows every backup found, newest first,
// with its date and counts, five rows at a time, and a row chosen restores
// it after a question; a folder of an older installation's files in the list
// is taken in, merged (追加) or in place of ours (置き換え).
//
// Every piece of work runs off the GUI thread; the buttons wait meanwhile,
// and a bar shows that it goes on when it takes longer than half a second.
#include "access/core/ScanTargets.h"
#include "backup/core/BackupFiles.h"
#include "widgets/CommandButton.h"
#include "widgets/ScaledLayout.h"
#include <QDialog>
#include <QThreadPool>
#include <array>
#include <functional>

class QLabel;
class QProgressBar;

namespace pelumo {

class frmTalk;

class frmBackup : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 5;
    static constexpr int kProgressDelayMs = 500;

    frmBackup(frmTalk &main, QWidget *parent);
    ~frmBackup() override;   // waits for the work under way

    QStringList rowCaptions() const;   // every row, not only those shown
    ScanTable scanTable() const;
    double scale() const { return m_layout.scale().factor(); }
    bool isWorking() const { return m_working; }
    bool restored() const { return m_restored; }   // the data was replaced

    void cmdSave_Click();
    void cmdRow_Click(int index);   // a shown row, 0 at the top
    void cmdPage_Click(int direction);

    QLabel *lblBackup;
    QProgressBar *barWork;
    std::array<CommandButton *, kRows> cmdRow;
    CommandButton *cmdUp, *cmdDown, *cmdSave, *cmdClose;

    // Not while the work runs: a restore's reload must not be lost.
    void reject() override;

signals:
    void workDone();   // after each piece of work, its notice told

private:
    struct Row {
        QString folder;
        QString caption;
        bool older = false;   // an older installation's files
    };
    void refresh();
    void showRows();
    void takeIn(const Row &row);
    // work() on the pool; then done() on this thread.
    void run(std::function<std::function<void()>()> work);

    frmTalk &m_main;
    ScaledLayout m_layout;
    QList<DataFile> m_data;
    QString m_dailyRoot;
    QList<Row> m_rows;
    int m_first = 0;
    bool m_working = false;
    bool m_restored = false;
    QThreadPool m_pool;
};

} // namespace pelumo
