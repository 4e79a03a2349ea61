#include "core/order/orderchanges.h"
#include "support/testmain.h"

using namespace vh;

class TestOrderChanges : public QObject {
  Q_OBJECT

  static OrderInput sample() {
    OrderInput o;
    o.client = QStringLiteral("ООО «Ромашка»");
    o.start = QDateTime(QDate(2026, 3, 2), QTime(9, 5));
    o.end = QDateTime(QDate(2026, 3, 4), QTime(0, 0));
    o.route = QStringLiteral("Москва — Берлин");
    o.comment = QStringLiteral("Срочно");
    o.attachments = {{QStringLiteral("cmr.pdf"), {}},
                     {QStringLiteral("/home/u/Счёт.xlsx"), QStringLiteral("/home/u/Счёт.xlsx")}};
    o.cashType = 1;
    o.wayPrice = 1234.5;
    o.sum = 1200;
    o.clientPaid = true;
    o.clientPaymentDate = QDate(2026, 3, 5);
    o.workerRoubles = 0.1 + 0.2;
    return o;
  }

private Q_SLOTS:
  void tracksEveryFieldInOrder() {
    const QStringList texts = trackedTexts(sample());
    QCOMPARE(texts.size(), trackedCaptions().size());
    QCOMPARE(texts.size(), 35);
    QCOMPARE(texts.at(0), QStringLiteral("ООО «Ромашка»"));
    QCOMPARE(texts.at(2), QStringLiteral("02.03.2026 09:05:00"));
    QCOMPARE(texts.at(3), QStringLiteral("04.03.2026")); // midnight: no time
    QCOMPARE(texts.at(20), QStringLiteral("cmr.pdf\n/home/u/Счёт.xlsx"));
    QCOMPARE(texts.at(22), QStringLiteral("Безналичный"));
    QCOMPARE(texts.at(24), QStringLiteral("1234,5"));
    QCOMPARE(texts.at(25), QStringLiteral("1200"));
    QCOMPARE(texts.at(26), QStringLiteral("Да"));
    QCOMPARE(texts.at(28), QStringLiteral("05.03.2026"));
    QCOMPARE(texts.at(30), QStringLiteral("Нет"));
    QCOMPARE(texts.at(33), QStringLiteral("0,3"));
    QCOMPARE(trackedCaptions().at(33), QStringLiteral("Сумма исполнителю в рублях"));
  }

  void listsOnlyWhatChanged() {
    const OrderInput before = sample();
    QVERIFY(changeLines(trackedTexts(before), trackedTexts(before)).isEmpty());

    OrderInput after = before;
    after.route = QStringLiteral("Москва — Варшава");
    QCOMPARE(changeLines(trackedTexts(before), trackedTexts(after)),
             QStringList{QStringLiteral("Маршрут: Москва — Берлин >> Москва — Варшава")});
  }

  void emptyTextsReadAsEmptyMark() {
    OrderInput before = sample();
    OrderInput after = before;
    after.comment.clear();
    after.receiver = QStringLiteral("Möbel GmbH %1");
    after.cashType = -1;
    QCOMPARE(changeLines(trackedTexts(before), trackedTexts(after)),
             (QStringList{QStringLiteral("Получатель: (пусто) >> Möbel GmbH %1"),
                          QStringLiteral("Примечания: Срочно >> (пусто)"),
                          QStringLiteral("Расчет: Безналичный >> (пусто)")}));
  }

  void paymentChangesReadAsTheUserSeesThem() {
    OrderInput before = sample();
    OrderInput after = before;
    after.clientPaid = false;
    after.workerPaid = true;
    after.workerPaymentDate = QDate(2026, 3, 9);
    after.profit = 250.75;
    QCOMPARE(changeLines(trackedTexts(before), trackedTexts(after)),
             (QStringList{QStringLiteral("Оплата клиента: Да >> Нет"), QStringLiteral("Оплата исполнителю: Нет >> Да"),
                          QStringLiteral("Дата оплаты исполнителю: (пусто) >> 09.03.2026"),
                          QStringLiteral("Прибыль: 0 >> 250,75")}));
  }
};

VH_TEST_MAIN(TestOrderChanges)
#include "tst_orderchanges.moc"
