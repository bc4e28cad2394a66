#include "platform/AppPaths.h"
#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <pwd.h>
#include <unistd.h>

using namespace pelumo;

// Sets an environment variable for one test, restoring it afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const QByteArray &value, bool set = true)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        set ? qputenv(name, value) : qunsetenv(name);
    }
    ~ScopedVariable() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

class AppPathsTest : public QObject {
    Q_OBJECT
private slots:
    // Without a usable HOME every folder of ours would be made under "/".
    void homeComesFromThePasswordDatabase_data()
    {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QByteArray>("home");
        QTest::newRow("unset") << false << QByteArray();
        QTest::newRow("empty") << true << QByteArray();
        QTest::newRow("relative") << true << QByteArray("somewhere");
        QTest::newRow("the root") << true << QByteArray("/");
    }
    void homeComesFromThePasswordDatabase()
    {
        QFETCH(bool, set);
        QFETCH(QByteArray, home);
        const QString expected = QFile::decodeName(::getpwuid(::getuid())->pw_dir);
        if (expected == "/")
            QSKIP("this account has no home of its own");
        ScopedVariable variable("HOME", home, set);
        ScopedVariable data("XDG_DATA_HOME", {}, false);
        ScopedVariable state("XDG_STATE_HOME", {}, false);
        QCOMPARE(ensureHomeFolder(), expected);
        QCOMPARE(qEnvironmentVariable("HOME"), expected);
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                 expected + "/.local/share");
        QCOMPARE(stateFolder(), expected + "/.local/state/Talk");
    }

    void aUsableHomeIsKept()
    {
        ScopedVariable variable("HOME", "/home/someone");
        QCOMPARE(ensureHomeFolder(), QString("/home/someone"));
        QCOMPARE(qEnvironmentVariable("HOME"), QString("/home/someone"));
    }

    void stateFolderFollowsXdg_data()
    {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("folder");
        QTest::newRow("set") << true << QByteArray("/var/state//x/") << "/var/state/x/Talk";
        QTest::newRow("unset") << false << QByteArray() << "/home/someone/.local/state/Talk";
        QTest::newRow("relative is ignored") << true << QByteArray("state") << "/home/someone/.local/state/Talk";
    }
    void stateFolderFollowsXdg()
    {
        QFETCH(bool, set);
        QFETCH(QByteArray, value);
        ScopedVariable home("HOME", "/home/someone");
        ScopedVariable state("XDG_STATE_HOME", value, set);
        QTEST(stateFolder(), "folder");
        QCOMPARE(messageRecoveryPath(), stateFolder() + "/message.json");
    }
};

QTEST_GUILESS_MAIN(AppPathsTest)
#include "app_paths_test.moc"
