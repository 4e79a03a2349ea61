#include "core/order/ordercalc.h"
#include "support/testmain.h"

using namespace vh;

using Amounts = QList<std::optional<double>>;
Q_DECLARE_METATYPE(Amounts)

class TestOrderCalc : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void totalTime_data() {
    QTest::addColumn<int>("minutesApart");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("delivery");
    QTest::addColumn<int>("total");
    QTest::newRow("9 minutes round up to 10") << 9 << 0 << 0 << 10;
    QTest::newRow("19 minutes round up to 20") << 19 << 0 << 0 << 20;
    QTest::newRow("59 minutes round up to an hour") << 59 << 0 << 0 << 60;
    QTest::newRow("61 minutes stay") << 61 << 0 << 0 << 61;
    QTest::newRow("60 minutes stay") << 60 << 0 << 0 << 60;
    QTest::newRow("start equals end") << 0 << 0 << 0 << 0;
    QTest::newRow("end before start counts the distance") << -90 << 0 << 0 << 90;
    QTest::newRow("minimum and delivery of the vehicle type") << 90 << 240 << 30 << 270;
    QTest::newRow("above the minimum, delivery added") << 300 << 240 << 30 << 330;
    QTest::newRow("rounded before the minimum applies") << 239 << 240 << 0 << 240;
    QTest::newRow("several days") << 3 * 1440 + 29 << 0 << 0 << 3 * 1440 + 30;
  }
  void totalTime() {
    QFETCH(int, minutesApart);
    QFETCH(int, minimum);
    QFETCH(int, delivery);
    QFETCH(int, total);
    const QDateTime start(QDate(2026, 3, 28), QTime(23, 40));
    QCOMPARE(totalOrderMinutes(start, start.addSecs(minutesApart * 60), minimum, delivery), total);
  }

  void secondsAreTruncated() {
    const QDateTime start(QDate(2026, 1, 1), QTime(10, 0, 0));
    QCOMPARE(totalOrderMinutes(start, start.addSecs(61 * 60 + 59), 0, 0), 61);
  }

  void orderSumAddsAppliedExpenses_data() {
    QTest::addColumn<double>("wayPrice");
    QTest::addColumn<Amounts>("expenses");
    QTest::addColumn<double>("sum");
    QTest::newRow("two ticked") << 1000.0 << Amounts{150.0, 50.0} << 1200.0;
    QTest::newRow("one unticked") << 1000.0 << Amounts{150.0, std::nullopt} << 1150.0;
    QTest::newRow("ticked at 0") << 1000.0 << Amounts{0.0} << 1000.0;
    QTest::newRow("no expenses") << 735.5 << Amounts{} << 735.5;
    QTest::newRow("cents do not drift") << 0.1 << Amounts{0.2, 0.3} << 0.6;
  }
  void orderSumAddsAppliedExpenses() {
    QFETCH(double, wayPrice);
    QFETCH(Amounts, expenses);
    QFETCH(double, sum);
    QCOMPARE(orderSum(wayPrice, expenses), sum);
  }

  void debtOnlyWhenPaidShort_data() {
    QTest::addColumn<bool>("paid");
    QTest::addColumn<double>("sum");
    QTest::addColumn<double>("clientSum");
    QTest::addColumn<double>("debt"); // -1: no debt shown
    QTest::newRow("paid short") << true << 1200.0 << 1000.0 << 200.0;
    QTest::newRow("paid in full") << true << 1200.0 << 1200.0 << -1.0;
    QTest::newRow("paid more") << true << 1200.0 << 1300.0 << -1.0;
    QTest::newRow("not paid") << false << 1200.0 << 0.0 << -1.0;
    QTest::newRow("cent short") << true << 1200.01 << 1200.0 << 0.01;
  }
  void debtOnlyWhenPaidShort() {
    QFETCH(bool, paid);
    QFETCH(double, sum);
    QFETCH(double, clientSum);
    QFETCH(double, debt);
    const std::optional<double> owed = clientDebt(paid, sum, clientSum);
    QCOMPARE(owed.has_value(), debt >= 0);
    if (owed)
      QCOMPARE(*owed, debt);
  }

  void profitNeverBelowZero_data() {
    QTest::addColumn<double>("clientRub");
    QTest::addColumn<double>("workerRub");
    QTest::addColumn<double>("profit");
    QTest::newRow("loss floors at 0") << 30000.0 << 35000.0 << 0.0;
    QTest::newRow("gain") << 35000.0 << 30000.0 << 5000.0;
    QTest::newRow("carrier not paid yet") << 35000.0 << 0.0 << 35000.0;
    QTest::newRow("nothing yet") << 0.0 << 0.0 << 0.0;
  }
  void profitNeverBelowZero() {
    QFETCH(double, clientRub);
    QFETCH(double, workerRub);
    QFETCH(double, profit);
    QCOMPARE(orderProfit(clientRub, workerRub), profit);
  }

  void roublesAtTheRate() {
    QCOMPARE(toRoubles(1000, 16.0102), 16010.20);
    QCOMPARE(toRoubles(1200, 1), 1200.0);
    QCOMPARE(toRoubles(333.33, 78.4512), 26150.14);
  }
};

VH_TEST_MAIN(TestOrderCalc)
#include "tst_ordercalc.moc"
