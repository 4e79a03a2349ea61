#include "gui/app/startup.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

using namespace vh;

namespace {

QString binary() {
  return qEnvironmentVariable("VERHOLM_BINARY");
}

struct Run {
  int exitCode = -1;
  QString out;
  QString err;
};

Run runProgram(const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(binary(), arguments);
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
  }
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestStartup : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void createsDatabasesFromTheCommandLine() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Офис.db"));
    const Run created = runProgram({QStringLiteral("--create-database"), path, QStringLiteral("--demo"),
                                    QStringLiteral("--admin-password"), QStringLiteral("s3cret")});
    QCOMPARE(created.exitCode, 0);
    QVERIFY(created.out.contains(QStringLiteral("s3cret")));
    const QByteArray size = QByteArray::number(QFileInfo(path).size());
    const Run again = runProgram({QStringLiteral("--create-database"), path});
    QCOMPARE(again.exitCode, 1);
    QVERIFY2(again.err.contains(QStringLiteral("уже существует")), qPrintable(again.err));
    QCOMPARE(QByteArray::number(QFileInfo(path).size()), size);
    QCOMPARE(runProgram({QStringLiteral("--version")}).exitCode, 0);
    const Run help = runProgram({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains(QStringLiteral("--create-database")));
  }

  void saysHowToRunWithoutADisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      environment.remove(QString::fromLatin1(variable));
    const Run run = runProgram({}, environment);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(QStringLiteral("xvfb-run")), qPrintable(run.err));
  }

  void endsWithAMessageWhenTheDatabaseIsMissing() {
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("config.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Common]\nDataBasePath=/nowhere/deleted.db\n");
    ini.close();
    test::RecordingMessages messages;
    QCOMPARE(vh::runProgram(*qApp, dir.path()), 1);
    QCOMPARE(messages.texts(), QStringList{"Не найден файл базы данных \"Verholm.db\".\nПрограмма будет закрыта."});
    QCOMPARE(messages.last().caption, QStringLiteral("Ошибка"));
    QCOMPARE(messages.last().icon, QMessageBox::Critical);
    QCOMPARE(messages.last().buttons, QMessageBox::Ok);
  }

  void endsWithAMessageForAForeignFile() {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Verholm.db")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("PK\x03\x04 not a database");
    file.close();
    test::RecordingMessages messages;
    QCOMPARE(vh::runProgram(*qApp, dir.path()), 1);
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.last().text.contains(QStringLiteral("не является базой данных программы Verholm")));
    QVERIFY(messages.last().text.endsWith(QStringLiteral("Программа будет закрыта.")));
  }
};

VH_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
