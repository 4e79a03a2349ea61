#include "core/rates/dailyrates.h"
#include "support/testmain.h"

#include <QFile>

using namespace vh;

namespace {

QByteArray valute(const QByteArray& code, const QByteArray& nominal, const QByteArray& value,
                  const QByteArray& unitRate = {}) {
  QByteArray out = "<Valute ID=\"R0\"><NumCode>000</NumCode><CharCode>" + code + "</CharCode><Nominal>" + nominal +
                   "</Nominal><Name>Валюта</Name><Value>" + value + "</Value>";
  if (!unitRate.isNull())
    out += "<VunitRate>" + unitRate + "</VunitRate>";
  return out + "</Valute>";
}

QByteArray ratesDocument(const QByteArray& valutes) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ValCurs Date=\"11.12.2026\" name=\"Foreign Currency Market\">" +
         valutes + "</ValCurs>";
}

QByteArray testFile(const QString& name) {
  QFile file(qEnvironmentVariable("VERHOLM_TEST_DATA") + QStringLiteral("/rates/") + name);
  if (!file.open(QIODevice::ReadOnly))
    qFatal("cannot read %s", qPrintable(file.fileName()));
  return file.readAll();
}

} // namespace

class TestDailyRates : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void readsOneCurrency_data() {
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("nominal");
    QTest::addColumn<double>("unitRate");

    const QByteArray usd = valute("USD", "1", "78,4512", "78,4512");
    QTest::newRow("one unit") << ratesDocument(usd) << "USD" << true << 78.4512 << 1 << 78.4512;
    QTest::newRow("decimal comma, four decimals")
        << ratesDocument(valute("AUD", "1", "16,0102")) << "AUD" << true << 16.0102 << 1 << 16.0102;
    QTest::newRow("per 100 units: value divided by nominal")
        << ratesDocument(valute("KZT", "100", "15,3210")) << "KZT" << true << 15.321 << 100 << 0.1532;
    QTest::newRow("per 100 units: the unit rate given is taken")
        << ratesDocument(valute("JPY", "100", "52,1234", "0,5213")) << "JPY" << true << 52.1234 << 100 << 0.5213;
    QTest::newRow("more decimals kept to four")
        << ratesDocument(valute("KZT", "100", "15,32164", "0,153216")) << "KZT" << true << 15.3216 << 100 << 0.1532;
    QTest::newRow("blanks around the texts")
        << ratesDocument(valute(" CNY\n", "\n 10 ", "\n  108,0340 \n")) << "CNY" << true << 108.034 << 10 << 10.8034;
    QTest::newRow("fields by name, in any order, unknown ones skipped")
        << ratesDocument("<Valute><Value>91,2345</Value><Extra><Part>1</Part></Extra><Nominal>1</Nominal>"
                         "<CharCode>EUR</CharCode></Valute>")
        << "EUR" << true << 91.2345 << 1 << 91.2345;
    QTest::newRow("a broken neighbour does not spoil it")
        << ratesDocument(valute("EUR", "1", "n/a") + usd) << "USD" << true << 78.4512 << 1 << 78.4512;
    QTest::newRow("first of two entries")
        << ratesDocument(usd + valute("USD", "1", "1,0000")) << "USD" << true << 78.4512 << 1 << 78.4512;

    QTest::newRow("currency not quoted") << ratesDocument(usd) << "CHF" << false << 0.0 << 0 << 0.0;
    QTest::newRow("no currencies at all") << ratesDocument({}) << "USD" << false << 0.0 << 0 << 0.0;
    QTest::newRow("value not a number") << ratesDocument(valute("USD", "1", "78,45x")) << "USD" << false << 0.0 << 0
                                        << 0.0;
    QTest::newRow("value empty") << ratesDocument(valute("USD", "1", "")) << "USD" << false << 0.0 << 0 << 0.0;
    QTest::newRow("value zero") << ratesDocument(valute("USD", "1", "0,0000")) << "USD" << false << 0.0 << 0 << 0.0;
    QTest::newRow("value negative") << ratesDocument(valute("USD", "1", "-78,4512")) << "USD" << false << 0.0 << 0
                                    << 0.0;
    QTest::newRow("value missing") << ratesDocument("<Valute><CharCode>USD</CharCode><Nominal>1</Nominal></Valute>")
                                   << "USD" << false << 0.0 << 0 << 0.0;
    QTest::newRow("nominal zero") << ratesDocument(valute("KZT", "0", "15,3210")) << "KZT" << false << 0.0 << 0 << 0.0;
    QTest::newRow("nominal not a number")
        << ratesDocument(valute("KZT", "1OO", "15,3210")) << "KZT" << false << 0.0 << 0 << 0.0;
    QTest::newRow("unit rate not a number")
        << ratesDocument(valute("KZT", "100", "15,3210", "n/a")) << "KZT" << false << 0.0 << 0 << 0.0;
  }
  void readsOneCurrency() {
    QFETCH(QByteArray, document);
    QFETCH(QString, code);
    QFETCH(bool, found);
    const auto rates = parseDailyRates(document);
    QVERIFY2(rates, "the document itself is sound");
    QCOMPARE(rates->contains(code), found);
    if (!found)
      return;
    const DailyRate rate = rates->value(code);
    QTEST(rate.value, "value");
    QTEST(rate.nominal, "nominal");
    QTEST(rate.unitRate, "unitRate");
  }

  void refusesWhatIsNotADocument_data() {
    QTest::addColumn<QByteArray>("document");
    const QByteArray whole = ratesDocument(valute("USD", "1", "78,4512"));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short") << whole.left(whole.size() - 20);
    QTest::newRow("elements crossed") << ratesDocument("<Valute><CharCode>USD</Valute></CharCode>");
    QTest::newRow("markup inside a value")
        << ratesDocument("<Valute><CharCode>USD</CharCode><Nominal>1</Nominal><Value>7<b/>8</Value></Valute>");
    QTest::newRow("junk after the root") << whole + "<ValCurs>";
    QTest::newRow("an error page") << QByteArray("<html><body><h1>Сервис недоступен</h1></body></html>");
    QTest::newRow("plain text") << QByteArray("Service Unavailable");
    QTest::newRow("an unknown encoding") << QByteArray(
                                                "<?xml version=\"1.0\" encoding=\"x-no-such-charset\"?><ValCurs>") +
                                                valute("USD", "1", "1") + "</ValCurs>";
  }
  void refusesWhatIsNotADocument() {
    QFETCH(QByteArray, document);
    QVERIFY(!parseDailyRates(document));
  }

  // The bank writes windows-1251; a mirror may write UTF-8. Both are read by
  // their own declaration, which the Cyrillic names show.
  void followsTheDeclaredEncoding_data() {
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("unitRate");
    QTest::newRow("windows-1251") << testFile("daily-windows-1251.xml") << "GBP"
                                  << "Фунт стерлингов Соединенного королевства" << 104.8821;
    QTest::newRow("UTF-8") << testFile("daily-utf-8.xml") << "HUF"
                           << "Венгерских форинтов" << 0.2305;
    QTest::newRow("no declaration") << QByteArray("<ValCurs>") + valute("USD", "1", "78,4512") + "</ValCurs>"
                                    << "USD"
                                    << "Валюта" << 78.4512;
  }
  void followsTheDeclaredEncoding() {
    QFETCH(QByteArray, document);
    QFETCH(QString, code);
    const auto rates = parseDailyRates(document);
    QVERIFY(rates);
    QVERIFY(rates->contains(code));
    QTEST(rates->value(code).name, "name");
    QTEST(rates->value(code).unitRate, "unitRate");
  }
};

VH_TEST_MAIN(TestDailyRates)
#include "tst_dailyrates.moc"
