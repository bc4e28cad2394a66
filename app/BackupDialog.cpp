#include "app/BackupDialog.h"
#include "app/frmTalk.h"
#include "backup/core/BackupNotices.h"
#include "backup/core/BackupPlaces.h"
#include "backup/core/OlderFiles.h"
#include "platform/AppPaths.h"
#include "platform/Logging.h"
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace pelumo {
namespace {

const OleColor kDialogBack = rgb(192, 192, 255);
const FontSpec kFont{kPGothic, 20, true};
const FontSpec kRowFont{kPGothic, 16, true};   // a date, the counts and the place on one line
const QSize kClientTwips(11775, 9000);
const QRect kPromptTwips(240, 120, 11295, 900);
constexpr int kRowTop = 1140, kRowPitch = 1000, kRowHeight = 900, kRowWidth = 9480;
const QRect kUpTwips(9960, kRowTop, 1575, 2 * kRowPitch + kRowHeight);
const QRect kDownTwips(9960, kRowTop + 3 * kRowPitch, 1575, kRowHeight + kRowPitch);
const QRect kBarTwips(240, 6200, 11295, 400);
const QRect kSaveTwips(240, 6900, 5400, 1800);
const QRect kCloseTwips(6135, 6900, 5400, 1800);
const QString kBackupTitle = QStringLiteral("保存と復元");

QString userName()
{
    return QFileInfo(QDir::homePath()).fileName();
}

QString placeOf(const QString &folder, const QString &dailyRoot)
{
    if (folder.startsWith(dailyRoot))
        return QStringLiteral("毎日の保存");
    if (folder.startsWith(homeBackupFolder(QDir::homePath())))
        return QStringLiteral("ホーム");
    return QStringLiteral("USB");
}

} // namespace

frmBackup::frmBackup(frmTalk &main, QWidget *parent)
    : QDialog(parent), m_main(main),
      m_data(dataFiles({main.state.AppDir, userDataFolder(), settingsFilePath()})),
      m_dailyRoot(QDir(userDataFolder()).filePath(kDailyFolderName))
{
    setModal(true);
    setWindowTitle(kBackupTitle);
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(kDialogBack));
    setPalette(p);
    setAutoFillBackground(true);
    m_layout.setScale(main.layout.scale());
    m_pool.setMaxThreadCount(1);
    lblBackup = new QLabel(this);
    lblBackup->setTextFormat(Qt::PlainText);
    lblBackup->setWordWrap(true);
    m_layout.place(lblBackup, kPromptTwips, kFont);
    for (int i = 0; i < kRows; ++i) {
        cmdRow[i] = new CommandButton(QString(), rgb(255, 255, 255), this);
        cmdRow[i]->setObjectName(QStringLiteral("cmdRow%1").arg(i));
        m_layout.place(cmdRow[i], {240, kRowTop + i * kRowPitch, kRowWidth, kRowHeight}, kRowFont);
        connect(cmdRow[i], &QAbstractButton::clicked, this, [this, i] { cmdRow_Click(i); });
    }
    const auto button = [this](const QString &caption, const char *name, const QRect &twips) {
        auto *b = new CommandButton(caption, rgb(192, 192, 255), this);
        b->setObjectName(QLatin1String(name));
        m_layout.place(b, twips, kFont);
        return b;
    };
    cmdUp = button(QStringLiteral("△"), "cmdUp", kUpTwips);
    cmdDown = button(QStringLiteral("▽"), "cmdDown", kDownTwips);
    cmdSave = button(QStringLiteral("保存"), "cmdSave", kSaveTwips);
    cmdClose = button(QStringLiteral("閉じる"), "cmdClose", kCloseTwips);
    connect(cmdUp, &QAbstractButton::clicked, this, [this] { cmdPage_Click(-1); });
    connect(cmdDown, &QAbstractButton::clicked, this, [this] { cmdPage_Click(1); });
    connect(cmdSave, &QAbstractButton::clicked, this, &frmBackup::cmdSave_Click);
    connect(cmdClose, &QAbstractButton::clicked, this, &QDialog::reject);
    barWork = new QProgressBar(this);
    barWork->setRange(0, 0);   // it goes on; how far is not known
    barWork->setTextVisible(false);
    m_layout.place(barWork, kBarTwips);
    barWork->hide();
    setFixedSize(m_layout.scale().toPixels(QRect(QPoint(0, 0), kClientTwips)).size());
    refresh();
}

frmBackup::~frmBackup()
{
    m_pool.waitForDone();
}

void frmBackup::reject()
{
    if (!m_working)
        QDialog::reject();
}

void frmBackup::run(std::function<std::function<void()>()> work)
{
    m_working = true;
    for (QWidget *w : findChildren<CommandButton *>())
        w->setEnabled(false);
    QTimer::singleShot(kProgressDelayMs, this, [this] { barWork->setVisible(m_working); });
    m_pool.start([this, work = std::move(work)] {
        std::function<void()> done = work();
        QMetaObject::invokeMethod(this, [this, done = std::move(done)] {
            m_working = false;
            barWork->hide();
            for (QWidget *w : findChildren<CommandButton *>())
                w->setEnabled(true);
            done();
            showRows();
            emit workDone();
        }, Qt::QueuedConnection);
    });
}

void frmBackup::refresh()
{
    lblBackup->setText(QStringLiteral("保存を探しています…"));
    const QStringList roots = driveRoots(userName());
    const QString daily = m_dailyRoot;
    run([this, roots, daily] {
        const QStringList folders = backupSearchFolders(roots, QDir::homePath(), daily);
        QList<Row> rows;
        for (const BackupCheck &check : listBackups(folders))
            rows.append({check.folder, backupRowCaption(check, placeOf(check.folder, daily)), false});
        for (const QString &folder : folders)
            for (const QString &name : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                           + QStringList{QStringLiteral(".")})
                if (holdsOlderFiles(QDir(folder).filePath(name)))
                    rows.append({QDir::cleanPath(QDir(folder).filePath(name)),
                                 QStringLiteral("古いソフトのファイル（%1）").arg(name == "." ? folder : name),
                                 true});
        return [this, rows] {
            m_rows = rows;
            m_first = 0;
            lblBackup->setText(m_rows.isEmpty() ? QStringLiteral("保存は見つかりません。")
                                                : QStringLiteral("元に戻す保存を選んでください。"));
        };
    });
}

void frmBackup::showRows()
{
    for (int i = 0; i < kRows; ++i) {
        const int at = m_first + i;
        cmdRow[i]->setVisible(at < m_rows.size());
        if (at < m_rows.size())
            cmdRow[i]->setCaption(m_rows[at].caption);
    }
    cmdUp->setVisible(m_first > 0);
    cmdDown->setVisible(m_first + kRows < m_rows.size());
}

QStringList frmBackup::rowCaptions() const
{
    QStringList captions;
    for (const Row &row : m_rows)
        captions.append(row.caption);
    return captions;
}

void frmBackup::cmdPage_Click(int direction)
{
    m_first = qBound(0, m_first + direction * kRows, qMax(0, int(m_rows.size()) - 1));
    showRows();
}

void frmBackup::cmdSave_Click()
{
    QString drive = firstDrive(driveRoots(userName()));
    if (drive.isEmpty()) {
        if (!m_main.AskQuestion(kNoDriveQuestion, 33, kBackupTitle))
            return;
        drive = homeBackupFolder(QDir::homePath());
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QString folder = QDir(drive).filePath(driveFolderName(now));
    const QList<DataFile> data = m_data;
    run([this, data, folder, now] {
        const BackupWrite write = writeBackup(data, folder, now);
        if (write.status != BackupWrite::Written)
            qCWarning(lcBackup) << "backup to" << folder << "failed:" << write.status
                                << write.fileName << write.errorString;
        return [this, write] {
            m_main.AskQuestion(backupWrittenNotice(write), 48, kBackupTitle);
            refresh();
        };
    });
}

void frmBackup::cmdRow_Click(int index)
{
    const int at = m_first + index;
    if (at < 0 || at >= m_rows.size())
        return;
    const Row row = m_rows[at];
    if (row.older) {
        takeIn(row);
        return;
    }
    if (!m_main.AskQuestion(kRestoreQuestion, 33, kBackupTitle))
        return;
    const QList<DataFile> data = m_data;
    const QString daily = m_dailyRoot;
    run([this, row, data, daily] {
        const RestoreResult restore = restoreBackup(row.folder, data, daily, QDateTime::currentDateTime());
        if (restore.status != RestoreResult::Restored)
            qCWarning(lcBackup) << "restore of" << row.folder << "failed:" << restore.status
                                << restore.check.status << restore.check.fileName
                                << restore.fileName << restore.errorString
                                << restore.write.errorString;
        return [this, restore] {
            if (restore.status == RestoreResult::Restored) {
                m_restored = true;
                m_main.reloadData();
            }
            m_main.AskQuestion(restoreNotice(restore), 48, kBackupTitle);
            refresh();
        };
    });
}

// 追加 first: it adds and keeps everything of ours; 置き換え is asked again.
void frmBackup::takeIn(const Row &row)
{
    const bool merge = m_main.AskQuestion(kTakeInQuestion, 36, kBackupTitle);
    if (!merge && !m_main.AskQuestion(kReplaceQuestion, 33, kBackupTitle))
        return;
    const QList<DataFile> data = m_data;
    const QString daily = m_dailyRoot;
    run([this, row, data, daily, merge] {
        const QList<NamedBytes> theirs = readOlderFiles(row.folder);
        OlderMerge merged;
        QList<NamedBytes> files = theirs;
        if (merge) {
            merged = mergeOlderFiles(readDataFiles(data).files, theirs);
            files = merged.files;
        }
        RestoreResult restore;
        if (merged.status == OlderMerge::Merged)
            restore = restoreFiles(files, data, daily, QDateTime::currentDateTime());
        return [this, restore, merged, merge] {
            if (restore.status == RestoreResult::Restored) {
                m_restored = true;
                m_main.reloadData();
            }
            m_main.AskQuestion(takeInNotice(restore, merged, merge), 48, kBackupTitle);
            refresh();
        };
    });
}

ScanTable frmBackup::scanTable() const
{
    ScanTable table;
    std::vector<ScanItem> rows;
    for (int i = 0; i < kRows; ++i)
        if (cmdRow[i]->isVisible() && cmdRow[i]->isEnabled())
            rows.push_back(ScanItem::of(cmdRow[i]->caption(), ScanTarget::control(cmdRow[i]->objectName())));
    for (CommandButton *b : {cmdUp, cmdDown})
        if (b->isVisible() && b->isEnabled())
            rows.push_back(ScanItem::of(b->caption(), ScanTarget::control(b->objectName())));
    if (!rows.empty())
        table.push_back(ScanItem::group(QStringLiteral("復元"), std::move(rows)));
    for (CommandButton *b : {cmdSave, cmdClose})
        if (b->isEnabled())
            table.push_back(ScanItem::of(b->caption(), ScanTarget::control(b->objectName())));
    return table;
}

// After a restore or a taking in: everything the window read from the files
// is read again.
void frmTalk::reloadData()
{
    phrases->reload();
    loadPanelLists();
    LoadOptions();
    ApplyTextSize();
    ApplyVoice();
    ApplyAccess();
    showScreen(Screen::Board);
}

} // namespace pelumo
