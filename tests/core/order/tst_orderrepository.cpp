#include "core/journal/journalwriter.h"
#include "core/order/orderrepository.h"
#include "support/orderfixture.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

#include <QFile>
#include <QTemporaryDir>

using namespace vh;

namespace {

// A file on disk with binary content, to attach.
QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
    qFatal("cannot write %s", qPrintable(path));
  return path;
}

const QByteArray kBinary = QByteArray("%PDF-1.7\n\0\x01\xff\xfe", 14) + QByteArray(70000, '\x7f');

} // namespace

class TestOrderRepository : public QObject {
  Q_OBJECT

  struct Env {
    test::TestDatabase data;
    test::OrderFixture fixture{data};
    JournalWriter journal{data.db(), QStringLiteral("Administrator")};
    OrderRepository repository{data.db()};

    qint64 insert(const OrderInput& order) {
      auto id = repository.insert(order, data.adminId(), journal);
      if (!id)
        qFatal("insert failed: %s", qPrintable(id.error().text));
      return *id;
    }
    QVariant column(qint64 id, const QString& column) {
      return data.scalar(QStringLiteral("SELECT %1 FROM Заявки WHERE ID=:id").arg(column), {{"id", id}});
    }
    QVariant expense(qint64 id, qint64 kind) {
      return data.scalar("SELECT Расходные FROM Расходные WHERE Заявка_ID=:o AND Расход_ID=:k",
                         {{"o", id}, {"k", kind}});
    }
    QString lastAction() { return data.scalar("SELECT Действие FROM Протокол ORDER BY ID DESC LIMIT 1").toString(); }
    QString lastDetail() { return data.scalar("SELECT Детализация FROM Протокол ORDER BY ID DESC LIMIT 1").toString(); }
  };

private Q_SLOTS:
  void insertStoresTheOrderWithItsJournalEntry() {
    Env env;
    const qint64 id = env.insert(env.fixture.order());

    QCOMPARE(env.column(id, "Клиент_ID").toLongLong(), env.fixture.clientId);
    QCOMPARE(env.column(id, "Исполнитель_ID").toLongLong(), env.fixture.carrierId);
    QCOMPARE(env.column(id, "Автомобиль_ID").toLongLong(), env.fixture.vehicleId);
    QCOMPARE(env.column(id, "Водитель_ID").toLongLong(), env.fixture.driverId);
    QCOMPARE(env.column(id, "Менеджер_ID").toLongLong(), env.fixture.managerId);
    QCOMPARE(env.column(id, "Тариф_ID").toLongLong(), env.fixture.tariffId);
    QCOMPARE(env.column(id, "НачалоЗаказа").toString(), QStringLiteral("2026-03-02 09:00:00"));
    QCOMPARE(env.column(id, "ОкончаниеЗаказа").toString(), QStringLiteral("2026-03-04 18:30:00"));
    QCOMPARE(env.column(id, "ОбщееВремя").toInt(), 3630);
    QCOMPARE(env.column(id, "Расчет").toInt(), 1);
    QCOMPARE(env.column(id, "Сумма").toDouble(), 1150.0);
    QCOMPARE(env.column(id, "Creator_ID").toLongLong(), env.data.adminId());
    QVERIFY(env.column(id, "ДатаОплатыКлиента").isNull());
    QVERIFY(env.column(id, "ДатаОплатыИсполнителю").isNull());
    QCOMPARE(env.column(id, "Done").toInt(), 0);
    QCOMPARE(env.column(id, "Реклама_ID").toInt(), 0);
    QCOMPARE(env.column(id, "Диспетчер_ID").toInt(), 0);
    QCOMPARE(env.lastAction(), QStringLiteral("Создание заказа № %1").arg(id));
    QCOMPARE(env.lastDetail(), QString());
    // A ticked expense gets a row; one never ticked gets none.
    QCOMPARE(env.expense(id, env.fixture.customsKind).toDouble(), 150.0);
    QCOMPARE(
        env.data.count("Расходные", "Заявка_ID=:o AND Расход_ID=:k", {{"o", id}, {"k", env.fixture.insuranceKind}}), 0);
  }

  void sourceDecidesChannelOrDispatcher_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("extraShown");
    QTest::addColumn<QString>("extra");
    QTest::addColumn<bool>("ad");
    QTest::addColumn<bool>("dispatcher");
    QTest::newRow("advertising") << "Реклама" << true << test::OrderFixture::kAdChannel << true << false;
    QTest::newRow("dispatcher") << "Диспетчер" << true << test::OrderFixture::kDispatcher << false << true;
    QTest::newRow("other source, stale extra field")
        << "Рекомендация" << false << test::OrderFixture::kAdChannel << false << false;
  }
  void sourceDecidesChannelOrDispatcher() {
    QFETCH(QString, source);
    QFETCH(bool, extraShown);
    QFETCH(QString, extra);
    QFETCH(bool, ad);
    QFETCH(bool, dispatcher);
    Env env;
    OrderInput order = env.fixture.order();
    order.source = source;
    order.extraShown = extraShown;
    order.extra = extra;
    const qint64 id = env.insert(order);
    QCOMPARE(env.column(id, "Реклама_ID").toLongLong() > 0, ad);
    QCOMPARE(env.column(id, "Диспетчер_ID").toLongLong() > 0, dispatcher);
  }

  void updateWritesPaymentsAndTheChangeList() {
    Env env;
    const qint64 id = env.insert(env.fixture.order());
    OrderInput order = env.fixture.order();
    order.route = QStringLiteral("Москва — Варшава");
    order.clientPaid = true;
    order.clientSum = 1150;
    order.clientRoubles = 1150;
    order.profit = 1150;
    order.done = true;
    const QStringList changes = {QStringLiteral("Маршрут: Москва — Берлин >> Москва — Варшава"),
                                 QStringLiteral("Оплата клиента: Нет >> Да")};
    VH_VERIFY_OK(env.repository.update(id, order, changes, env.journal));

    QCOMPARE(env.column(id, "Маршрут").toString(), QStringLiteral("Москва — Варшава"));
    QCOMPARE(env.column(id, "ОплатаКлиента").toInt(), 1);
    QCOMPARE(env.column(id, "ДатаОплатыКлиента").toString(), QStringLiteral("2026-03-05 00:00:00"));
    QCOMPARE(env.column(id, "СуммаКлиентаРуб").toDouble(), 1150.0);
    QCOMPARE(env.column(id, "Done").toInt(), 1);
    QCOMPARE(env.lastAction(), QStringLiteral("Редактирование заказа № %1").arg(id));
    QCOMPARE(env.lastDetail(), changes.join(u'\n'));

    // Unmarking writes False with no date, keeping the amounts as shown.
    order.clientPaid = false;
    VH_VERIFY_OK(env.repository.update(id, order, {}, env.journal));
    QCOMPARE(env.column(id, "ОплатаКлиента").toInt(), 0);
    QVERIFY(env.column(id, "ДатаОплатыКлиента").isNull());
    QCOMPARE(env.column(id, "СуммаКлиента").toDouble(), 1150.0);
    QCOMPARE(env.lastDetail(), QString());
  }

  void expenseRowsAreCreatedZeroedAndKept() {
    Env env;
    OrderInput order = env.fixture.order();
    order.expenses = {{env.fixture.customsKind, std::nullopt}, {env.fixture.insuranceKind, std::nullopt}};
    const qint64 id = env.insert(order);
    QCOMPARE(env.data.count("Расходные", "Заявка_ID=:o", {{"o", id}}), 0);

    order.expenses = {{env.fixture.customsKind, 175.5}, {env.fixture.insuranceKind, std::nullopt}};
    VH_VERIFY_OK(env.repository.update(id, order, {}, env.journal));
    QCOMPARE(env.expense(id, env.fixture.customsKind).toDouble(), 175.5);

    order.expenses = {{env.fixture.customsKind, std::nullopt}, {env.fixture.insuranceKind, std::nullopt}};
    VH_VERIFY_OK(env.repository.update(id, order, {}, env.journal));
    QCOMPARE(env.expense(id, env.fixture.customsKind).toDouble(), 0.0);
    QCOMPARE(env.data.count("Расходные", "Заявка_ID=:o", {{"o", id}}), 1);
    const auto stored = env.repository.expenses(id);
    VH_VERIFY_OK(stored);
    QCOMPARE(stored->value(env.fixture.customsKind, -1), 0.0);
  }

  void attachmentsAreStoredByteForByteAndRemoved() {
    Env env;
    QTemporaryDir dir;
    const QString pdf = writeFile(dir, QStringLiteral("Заявка № 5.pdf"), kBinary);
    const QString empty = writeFile(dir, QStringLiteral("пустой.txt"), {});
    OrderInput order = env.fixture.order();
    order.attachments = {{pdf, pdf}, {empty, empty}};
    const qint64 id = env.insert(order);

    const auto names = env.repository.attachmentNames(id);
    VH_VERIFY_OK(names);
    QCOMPARE(*names, (QStringList{QStringLiteral("Заявка № 5.pdf"), QStringLiteral("пустой.txt")}));
    const auto content = env.repository.attachmentContent(id, QStringLiteral("Заявка № 5.pdf"));
    VH_VERIFY_OK(content);
    QVERIFY(content->has_value());
    QCOMPARE(content->value(), kBinary);
    QCOMPARE(env.repository.attachmentContent(id, QStringLiteral("пустой.txt"))->value(), QByteArray());
    QVERIFY(!env.repository.attachmentContent(id, QStringLiteral("нет.txt"))->has_value());

    // Keeping one stored entry (in another letter case) and dropping the other
    // deletes exactly the dropped one; a newly added file is stored beside it.
    const QString photo = writeFile(dir, QStringLiteral("фото.jpg"), QByteArray("JFIF"));
    order.attachments = {{QStringLiteral("ЗАЯВКА № 5.PDF"), {}}, {photo, photo}};
    VH_VERIFY_OK(env.repository.update(id, order, {}, env.journal));
    QCOMPARE(*env.repository.attachmentNames(id),
             (QStringList{QStringLiteral("Заявка № 5.pdf"), QStringLiteral("фото.jpg")}));
    QCOMPARE(env.repository.attachmentContent(id, QStringLiteral("Заявка № 5.pdf"))->value(), kBinary);
  }

  // A duplicated order lists its source's files by name only: they stay with
  // the source and are not copied.
  void duplicateStoresOnlyNewFiles() {
    Env env;
    QTemporaryDir dir;
    const QString pdf = writeFile(dir, QStringLiteral("cmr.pdf"), kBinary);
    OrderInput order = env.fixture.order();
    order.attachments = {{pdf, pdf}};
    const qint64 source = env.insert(order);

    const QString photo = writeFile(dir, QStringLiteral("фото.jpg"), QByteArray("JFIF"));
    order.attachments = {{QStringLiteral("cmr.pdf"), {}}, {photo, photo}};
    const qint64 copy = env.insert(order);
    QVERIFY(copy != source);
    QCOMPARE(*env.repository.attachmentNames(copy), QStringList{QStringLiteral("фото.jpg")});
    QCOMPARE(*env.repository.attachmentNames(source), QStringList{QStringLiteral("cmr.pdf")});
  }

  // Whatever step fails, the order, its files, its expenses and its journal
  // entry are all absent, and the journal writer holds no stale detail.
  void failedSaveLeavesNoTrace_data() {
    QTest::addColumn<QString>("failure");
    QTest::newRow("unreadable file") << "file";
    QTest::newRow("expenses refused by the engine") << "trigger";
    QTest::newRow("directory entry deleted meanwhile") << "directory";
  }
  void failedSaveLeavesNoTrace() {
    QFETCH(QString, failure);
    Env env;
    QTemporaryDir dir;
    const QString pdf = writeFile(dir, QStringLiteral("cmr.pdf"), kBinary);
    OrderInput order = env.fixture.order();
    order.attachments = {{pdf, pdf}};
    if (failure == u"file")
      order.attachments.append({dir.filePath("нет такого.pdf"), dir.filePath("нет такого.pdf")});
    else if (failure == u"trigger")
      env.data.exec("CREATE TRIGGER refuse BEFORE INSERT ON Расходные BEGIN SELECT RAISE(ABORT, 'диск заполнен'); END");
    else
      env.data.exec("DELETE FROM Водители WHERE ID=:id", {{"id", env.fixture.driverId}});
    const qint64 journalBefore = env.data.count("Протокол");

    const auto inserted = env.repository.insert(order, env.data.adminId(), env.journal);
    QVERIFY(!inserted);
    if (failure == u"trigger")
      QVERIFY(inserted.error().text.contains(QStringLiteral("диск заполнен")));
    if (failure == u"directory")
      QVERIFY(inserted.error().text.contains(QString::fromUtf8(test::OrderFixture::kDriver)));
    QCOMPARE(env.data.count("Заявки"), 0);
    QCOMPARE(env.data.count("Файлы"), 0);
    QCOMPARE(env.data.count("Расходные"), 0);
    QCOMPARE(env.data.count("Протокол"), journalBefore);
    QCOMPARE(env.journal.pendingDetail(), QString());
  }

  void failedUpdateKeepsTheStoredOrder() {
    Env env;
    const qint64 id = env.insert(env.fixture.order());
    const qint64 journalBefore = env.data.count("Протокол");
    env.data.exec("CREATE TRIGGER refuse BEFORE UPDATE ON Расходные BEGIN SELECT RAISE(ABORT, 'занято'); END");
    OrderInput order = env.fixture.order();
    order.route = QStringLiteral("Москва — Рига");
    order.expenses = {{env.fixture.customsKind, 10.0}};
    const auto updated = env.repository.update(id, order, {QStringLiteral("Маршрут: x >> y")}, env.journal);
    QVERIFY(!updated);
    QCOMPARE(env.column(id, "Маршрут").toString(), QStringLiteral("Москва — Берлин"));
    QCOMPARE(env.expense(id, env.fixture.customsKind).toDouble(), 150.0);
    QCOMPARE(env.data.count("Протокол"), journalBefore);
    QCOMPARE(env.journal.pendingDetail(), QString());

    env.data.exec("DROP TRIGGER refuse");
    env.data.exec("DELETE FROM Заявки WHERE ID=:id", {{"id", id}});
    QVERIFY(!env.repository.update(id, order, {}, env.journal));
  }

  void loadReadsTheOrderBack() {
    Env env;
    OrderInput order = env.fixture.order();
    order.source = QStringLiteral("Реклама");
    order.extraShown = true;
    order.extra = QString::fromUtf8(test::OrderFixture::kAdChannel);
    order.workerPaid = true;
    order.workerRoubles = 900;
    const qint64 id = env.insert(order);

    const auto loaded = env.repository.load(id);
    VH_VERIFY_OK(loaded);
    QVERIFY(loaded->has_value());
    const StoredOrder& o = **loaded;
    QCOMPARE(o.id, id);
    QCOMPARE(o.client, QString::fromUtf8(test::OrderFixture::kClient));
    QCOMPARE(o.clientId, env.fixture.clientId);
    QCOMPARE(o.customer, QString::fromUtf8(test::OrderFixture::kCustomer));
    QCOMPARE(o.start, order.start);
    QCOMPARE(o.end, order.end);
    QCOMPARE(o.vehicleType, order.vehicleType);
    QCOMPARE(o.source, QStringLiteral("Реклама"));
    QVERIFY(o.adId > 0);
    QCOMPARE(o.dispatcherId, 0);
    QCOMPARE(o.carrierId, env.fixture.carrierId);
    QCOMPARE(o.vehicleId, env.fixture.vehicleId);
    QCOMPARE(o.driverId, env.fixture.driverId);
    QCOMPARE(o.manager, order.manager);
    QCOMPARE(o.currency, QStringLiteral("Рубль"));
    QCOMPARE(o.tariff, order.tariff);
    QCOMPARE(o.cashType, 1);
    QCOMPARE(o.sum, 1150.0);
    QVERIFY(!o.clientPaid);
    QVERIFY(!o.clientPaymentDate.isValid());
    QVERIFY(o.workerPaid);
    QCOMPARE(o.workerPaymentDate, QDateTime(QDate(2026, 3, 5), QTime(0, 0)));
    QCOMPARE(o.workerRoubles, 900.0);
  }

  // An order whose directory entries were deleted still opens with what is left.
  void loadKeepsAnOrderWithDeletedEntries() {
    Env env;
    const qint64 id = env.insert(env.fixture.order());
    env.data.exec("DELETE FROM Клиенты WHERE ID=:id", {{"id", env.fixture.clientId}});
    env.data.exec("DELETE FROM Менеджеры WHERE ID=:id", {{"id", env.fixture.managerId}});
    const auto loaded = env.repository.load(id);
    VH_VERIFY_OK(loaded);
    QVERIFY(loaded->has_value());
    QCOMPARE((*loaded)->client, QString());
    QCOMPARE((*loaded)->manager, QString());
    QCOMPARE((*loaded)->route, QStringLiteral("Москва — Берлин"));
    QCOMPARE((*loaded)->carrier, QString::fromUtf8(test::OrderFixture::kCarrier));

    const auto missing = env.repository.load(id + 100);
    VH_VERIFY_OK(missing);
    QVERIFY(!missing->has_value());
  }

  void removeDeletesTheOrderWithItsChildren() {
    Env env;
    QTemporaryDir dir;
    const QString pdf = writeFile(dir, QStringLiteral("cmr.pdf"), kBinary);
    OrderInput order = env.fixture.order();
    order.attachments = {{pdf, pdf}};
    const qint64 id = env.insert(order);
    const qint64 kept = env.insert(order);

    VH_VERIFY_OK(env.repository.remove(id, env.journal));
    QCOMPARE(env.data.count("Заявки", "ID=:id", {{"id", id}}), 0);
    QCOMPARE(env.data.count("Расходные", "Заявка_ID=:id", {{"id", id}}), 0);
    QCOMPARE(env.data.count("Файлы", "Заявка_ID=:id", {{"id", id}}), 0);
    QCOMPARE(env.data.count("Файлы", "Заявка_ID=:id", {{"id", kept}}), 1);
    QCOMPARE(env.data.count("Расходные", "Заявка_ID=:id", {{"id", kept}}), 1);
    QCOMPARE(env.lastAction(), QStringLiteral("Удаление заказа № %1").arg(id));

    QVERIFY(!env.repository.remove(id, env.journal));
  }

  void propertiesShowCreatorAndState() {
    Env env;
    const qint64 id = env.insert(env.fixture.order());
    env.data.exec("UPDATE Заявки SET Создано='2026-03-01 10:15:00', Done=True WHERE ID=:id", {{"id", id}});
    auto properties = env.repository.properties(id);
    VH_VERIFY_OK(properties);
    QVERIFY(properties->has_value());
    QCOMPARE((*properties)->created, QDateTime(QDate(2026, 3, 1), QTime(10, 15)));
    QCOMPARE((*properties)->creator, QStringLiteral("Administrator"));
    QVERIFY((*properties)->done);

    // The creator's user row is gone: the order's own facts still show.
    env.data.exec("UPDATE Заявки SET Creator_ID=999 WHERE ID=:id", {{"id", id}});
    properties = env.repository.properties(id);
    QCOMPARE((*properties)->creator, QString());
    QVERIFY((*properties)->done);
    QVERIFY(!env.repository.properties(id + 1)->has_value());
  }
};

VH_TEST_MAIN(TestOrderRepository)
#include "tst_orderrepository.moc"
