#include "core/rates/currencyrates.h"
#include "support/scriptedrates.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

using namespace vh;

namespace {

using test::ScriptedRates;

const QDate kMonday(2026, 3, 2);

} // namespace

class TestCurrencyRates : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void roubleNeverAsks() {
    test::TestDatabase data;
    ScriptedRates source;
    CurrencyRates rates(data.db(), &source);
    const auto rate = rates.rateOn(QStringLiteral("Рубль"), kMonday);
    VH_VERIFY_OK(rate);
    QCOMPARE(rate->value_or(-1), 1.0);
    QVERIFY(source.asked.isEmpty());
  }

  void fetchedRateIsStoredAndReusedForTheSameDay() {
    test::TestDatabase data;
    ScriptedRates source;
    source.answer = DailyRate{16.0102, 1, 16.0102, {}};
    CurrencyRates rates(data.db(), &source);

    QCOMPARE(rates.rateOn(QStringLiteral("Евро"), kMonday)->value_or(-1), 16.0102);
    QCOMPARE(source.asked.size(), 1);
    QCOMPARE(source.asked.first().first, QStringLiteral("EUR"));
    QCOMPARE(source.asked.first().second, kMonday);
    QCOMPARE(data.scalar("SELECT Курс FROM Валюты WHERE Код='EUR'").toDouble(), 16.0102);
    QCOMPARE(data.scalar("SELECT Обновлено FROM Валюты WHERE Код='EUR'").toString(),
             QStringLiteral("2026-03-02 00:00:00"));

    // The same day again: the stored rate, even if the service now says otherwise.
    source.answer = DailyRate{99, 1, 99, {}};
    QCOMPARE(rates.rateOn(QStringLiteral("Евро"), kMonday)->value_or(-1), 16.0102);
    QCOMPARE(source.asked.size(), 1);

    // Another day asks again and overwrites the stored rate.
    QCOMPARE(rates.rateOn(QStringLiteral("Евро"), kMonday.addDays(1))->value_or(-1), 99.0);
    QCOMPARE(source.asked.size(), 2);
    QCOMPARE(data.scalar("SELECT Курс FROM Валюты WHERE Код='EUR'").toDouble(), 99.0);
    QCOMPARE(data.scalar("SELECT Обновлено FROM Валюты WHERE Код='EUR'").toString(),
             QStringLiteral("2026-03-03 00:00:00"));
  }

  // A currency quoted per 100 units is used and kept per one unit, unrounded.
  void ratePerUnitIsKeptExactly() {
    test::TestDatabase data;
    data.exec("INSERT INTO Валюты (Валюта, Код) VALUES ('Японская иена', 'JPY')");
    ScriptedRates source;
    source.answer = DailyRate{52.1234, 100, 0.521234, {}};
    CurrencyRates rates(data.db(), &source);
    QCOMPARE(rates.rateOn(QStringLiteral("Японская иена"), kMonday)->value_or(-1), 0.521234);
    QCOMPARE(rates.rateOn(QStringLiteral("Японская иена"), kMonday)->value_or(-1), 0.521234);
    QCOMPARE(source.asked.size(), 1);
  }

  void failureLeavesTheStoredRateAlone_data() {
    QTest::addColumn<bool>("withSource");
    QTest::newRow("service has no answer") << true;
    QTest::newRow("no service installed") << false;
  }
  void failureLeavesTheStoredRateAlone() {
    QFETCH(bool, withSource);
    test::TestDatabase data;
    data.exec("UPDATE Валюты SET Курс=78.5, Обновлено='2026-02-27 00:00:00' WHERE Код='USD'");
    ScriptedRates source;
    CurrencyRates rates(data.db(), withSource ? &source : nullptr);
    const auto rate = rates.rateOn(QStringLiteral("Доллар США"), kMonday);
    VH_VERIFY_OK(rate);
    QVERIFY(!rate->has_value());
    QCOMPARE(data.scalar("SELECT Курс FROM Валюты WHERE Код='USD'").toDouble(), 78.5);
    QCOMPARE(data.scalar("SELECT Обновлено FROM Валюты WHERE Код='USD'").toString(),
             QStringLiteral("2026-02-27 00:00:00"));
    // The stored day itself still needs no service.
    QCOMPARE(rates.rateOn(QStringLiteral("Доллар США"), QDate(2026, 2, 27))->value_or(-1), 78.5);
  }

  void unknownCurrencyHasNoRate() {
    test::TestDatabase data;
    ScriptedRates source;
    CurrencyRates rates(data.db(), &source);
    QVERIFY(!rates.rateOn(QString(), kMonday)->has_value());
    QVERIFY(!rates.rateOn(QStringLiteral("Тугрик"), kMonday)->has_value());
    QVERIFY(source.asked.isEmpty());
  }
};

VH_TEST_MAIN(TestCurrencyRates)
#include "tst_currencyrates.moc"
