#include "core/app/config.h"
#include "support/testmain.h"

#include <QFile>
#include <QTemporaryDir>

using namespace vh;

// Where the rates come from and how long a request may take, as config.ini says.
class TestRateSettings : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void readsTheRatesSection_data() {
    QTest::addColumn<QByteArray>("ini"); // null: no config.ini at all
    QTest::addColumn<QString>("baseUrl");
    QTest::addColumn<int>("timeoutSeconds");
    const QString bank = QStringLiteral("https://www.cbr.ru");
    QTest::newRow("no file") << QByteArray() << bank << 15;
    QTest::newRow("no section") << QByteArray("[Common]\nDataBasePath=data/\n") << bank << 15;
    QTest::newRow("both set") << QByteArray("[Rates]\nBaseUrl=http://127.0.0.1:8080/cbr\nTimeoutSeconds=5\n")
                              << "http://127.0.0.1:8080/cbr" << 5;
    QTest::newRow("blank address") << QByteArray("[Rates]\nBaseUrl=  \n") << bank << 15;
    QTest::newRow("timeout above the cap") << QByteArray("[Rates]\nTimeoutSeconds=60\n") << bank << 15;
    QTest::newRow("timeout zero") << QByteArray("[Rates]\nTimeoutSeconds=0\n") << bank << 15;
    QTest::newRow("timeout not a number") << QByteArray("[Rates]\nTimeoutSeconds=ten\n") << bank << 15;
  }
  void readsTheRatesSection() {
    QFETCH(QByteArray, ini);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (!ini.isNull()) {
      QFile file(folder.filePath(QStringLiteral("config.ini")));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(ini);
    }
    const AppConfig config(folder.path());
    QTEST(config.ratesBaseUrl(), "baseUrl");
    QTEST(static_cast<int>(config.ratesTimeout().count()), "timeoutSeconds");
  }
};

VH_TEST_MAIN(TestRateSettings)
#include "tst_ratesettings.moc"
