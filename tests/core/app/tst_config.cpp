#include "core/app/config.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace vh;

class TestConfig : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void resolvesDatabasePath_data() {
    QTest::addColumn<QString>("configured"); // "{dir}" stands for the program's folder
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty: default file in the program's folder") << ""
                                                                 << "{dir}/Verholm.db";
    QTest::newRow("existing file") << "{dir}/data/Офис.db"
                                   << "{dir}/data/Офис.db";
    QTest::newRow("folder ending in a separator") << "{dir}/data/"
                                                  << "{dir}/data/Verholm.db";
    QTest::newRow("folder without separator: appended as it stands") << "{dir}/data"
                                                                     << "{dir}/dataVerholm.db";
    QTest::newRow("deleted file: default name appended") << "{dir}/data/old.db"
                                                         << "{dir}/data/old.dbVerholm.db";
    QTest::newRow("relative existing file counts from the program's folder") << "data/Офис.db"
                                                                             << "{dir}/data/Офис.db";
    QTest::newRow("relative folder") << "data/"
                                     << "{dir}/data/Verholm.db";
  }
  void resolvesDatabasePath() {
    QFETCH(QString, configured);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    QFile file(dir.filePath(QStringLiteral("data/Офис.db")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    configured.replace(QStringLiteral("{dir}"), dir.path());
    expected.replace(QStringLiteral("{dir}"), dir.path());
    QCOMPARE(QDir::cleanPath(AppConfig::resolveDatabasePath(configured, dir.path())), QDir::cleanPath(expected));
  }

  // config.ini is read from the program's folder only; a missing one means the default.
  void readsConfigIniNextToProgram() {
    QTemporaryDir dir;
    QCOMPARE(AppConfig(dir.path()).databasePath(), dir.filePath(QStringLiteral("Verholm.db")));
    QFile ini(dir.filePath(QStringLiteral("config.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Common]\nDataBasePath=/srv/общие/базы/\n");
    ini.close();
    const AppConfig config(dir.path());
    QCOMPARE(config.configuredDatabasePath(), QStringLiteral("/srv/общие/базы/"));
    QCOMPARE(config.databasePath(), QStringLiteral("/srv/общие/базы/Verholm.db"));
  }
};

VH_TEST_MAIN(TestConfig)
#include "tst_config.moc"
