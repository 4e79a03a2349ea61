#include "core/order/orderrepository.h"

#include "core/db/database.h"
#include "core/db/statement.h"
#include "core/directories/lookup.h"
#include "core/directories/vehiclelabel.h"
#include "core/journal/journalwriter.h"
#include "core/order/attachmentcopies.h"

namespace vh {

namespace {

const QString kId = QStringLiteral("ID");
const QString kOrderId = QStringLiteral("Заявка_ID");

// The order's own columns, written alike by an insert and an update.
const char* const kOrderColumns[] = {"НачалоЗаказа",
                                     "ОкончаниеЗаказа",
                                     "ОбщееВремя",
                                     "Клиент_ID",
                                     "Заказчик_ID",
                                     "ТипТС_ID",
                                     "ПараметрыТС",
                                     "Источник_ID",
                                     "Реклама_ID",
                                     "Диспетчер_ID",
                                     "Маршрут",
                                     "Загрузка",
                                     "Разгрузка",
                                     "ТаможняНазначения",
                                     "Груз",
                                     "Получатель",
                                     "Экспедиция",
                                     "Исполнитель_ID",
                                     "Автомобиль_ID",
                                     "Водитель_ID",
                                     "Менеджер_ID",
                                     "Валюта_ID",
                                     "Расчет",
                                     "Тариф_ID",
                                     "ЦенаПеревозки",
                                     "Сумма",
                                     "СуммаКлиента",
                                     "СуммаКлиентаРуб",
                                     "ОплатаКлиента",
                                     "ДатаОплатыКлиента",
                                     "СуммаИсполнителю",
                                     "СуммаИсполнителюРуб",
                                     "ОплатаИсполнителю",
                                     "ДатаОплатыИсполнителю",
                                     "Прибыль",
                                     "Дополнительно"};

QString insertStatement() {
  QStringList columns, values;
  for (const char* column : kOrderColumns) {
    columns.append(QString::fromUtf8(column));
    values.append(u':' + QString::fromUtf8(column));
  }
  columns.append(QStringLiteral("Creator_ID"));
  values.append(QStringLiteral(":Creator_ID"));
  return QStringLiteral("INSERT INTO Заявки (%1) VALUES (%2)").arg(columns.join(u", "), values.join(u", "));
}

QString updateStatement() {
  QStringList sets;
  for (const char* column : kOrderColumns)
    sets.append(QStringLiteral("%1=:%1").arg(QString::fromUtf8(column)));
  sets.append(QStringLiteral("Done=:Done"));
  return QStringLiteral("UPDATE Заявки SET %1 WHERE ID=:ID").arg(sets.join(u", "));
}

// A name the user chose that is no longer in its directory: writing 0 would
// cut the order off its client or carrier, so the save is refused instead.
[[noreturn]] void failMissing(const QString& field, const QString& name) {
  fail(QStringLiteral("«%1» (%2) нет в справочнике: возможно, запись удалили в другом окне. "
                      "Выберите значение заново.")
           .arg(name, field));
}

qint64 required(std::optional<QVariant> id, const QString& field, const QString& name) {
  if (!id)
    failMissing(field, name);
  return id->toLongLong();
}

qint64 byName(Database& db, const QString& table, const QString& column, const QString& field, const QString& name) {
  const auto id = idByName(db, table, column, name);
  if (!id)
    failMissing(field, name);
  return *id;
}

QVariant paymentDate(bool paid, const QDate& date) {
  return paid ? QVariant(QDateTime(date, QTime(0, 0))) : QVariant();
}

QByteArray readNewFile(const AttachmentEntry& entry) {
  Result<QByteArray> content = readFileContent(entry.newPath);
  if (!content)
    throw Failure{content.error()};
  return std::move(content).value();
}

void recordWithDetail(JournalWriter& journal, const QString& action, const QStringList& detail) {
  journal.clearDetail();
  for (const QString& line : detail)
    journal.addDetail(line);
  journal.record(action);
}

} // namespace

struct OrderRepository::Links final {
  qint64 client = 0;
  qint64 customer = 0;
  qint64 vehicleType = 0;
  qint64 carrier = 0;
  qint64 vehicle = 0;
  qint64 driver = 0;
  qint64 manager = 0;
  qint64 source = 0;
  qint64 ad = 0;
  qint64 dispatcher = 0;
  qint64 currency = 0;
  qint64 tariff = 0;
};

OrderRepository::Links OrderRepository::resolve(const OrderInput& o) {
  Links l;
  l.client = byName(m_db, QStringLiteral("Клиенты"), QStringLiteral("Организация"), QStringLiteral("Клиент"), o.client);
  l.customer = required(readValue(m_db,
                                  QStringLiteral("SELECT ID FROM Заказчики WHERE Клиент_ID=:owner AND ФИО=:name "
                                                 "ORDER BY ID"),
                                  {{QStringLiteral("owner"), l.client}, {QStringLiteral("name"), o.customer}}),
                        QStringLiteral("Заказчик"), o.customer);
  l.vehicleType = byName(m_db, QStringLiteral("ТС"), QStringLiteral("Наименование"), QStringLiteral("Тип транспорта"),
                         o.vehicleType);
  l.carrier = byName(m_db, QStringLiteral("Исполнители"), QStringLiteral("Исполнитель"),
                     QStringLiteral("Транспортная компания"), o.carrier);
  const VehicleLabel vehicle = VehicleLabel::parse(o.vehicle);
  l.vehicle = required(readValue(m_db,
                                 QStringLiteral("SELECT ID FROM Авто WHERE Исполнитель_ID=:owner "
                                                "AND Марка=:make AND Номер=:number ORDER BY ID"),
                                 {{QStringLiteral("owner"), l.carrier},
                                  {QStringLiteral("make"), vehicle.make},
                                  {QStringLiteral("number"), vehicle.number}}),
                       QStringLiteral("Транспорт"), o.vehicle);
  l.driver = required(readValue(m_db,
                                QStringLiteral("SELECT ID FROM Водители WHERE Авто_ID=:owner AND Водитель=:name "
                                               "ORDER BY ID"),
                                {{QStringLiteral("owner"), l.vehicle}, {QStringLiteral("name"), o.driver}}),
                      QStringLiteral("Водитель"), o.driver);
  l.manager = required(readValue(m_db,
                                 QStringLiteral("SELECT ID FROM Менеджеры WHERE Исполнитель_ID=:owner "
                                                "AND Менеджер=:name ORDER BY ID"),
                                 {{QStringLiteral("owner"), l.carrier}, {QStringLiteral("name"), o.manager}}),
                       QStringLiteral("Менеджер"), o.manager);
  l.source = byName(m_db, QStringLiteral("Источники"), QStringLiteral("Наименование"),
                    QStringLiteral("Источник заказа"), o.source);
  if (o.extraShown && o.source == u"Реклама")
    l.ad =
        byName(m_db, QStringLiteral("Реклама"), QStringLiteral("Наименование"), QStringLiteral("Вид рекламы"), o.extra);
  else if (o.extraShown && o.source == u"Диспетчер")
    l.dispatcher =
        byName(m_db, QStringLiteral("Диспетчеры"), QStringLiteral("ФИО"), QStringLiteral("ФИО диспетчера"), o.extra);
  l.currency = byName(m_db, QStringLiteral("Валюты"), QStringLiteral("Валюта"), QStringLiteral("Валюта"), o.currency);
  l.tariff = byName(m_db, QStringLiteral("Тарифы"), QStringLiteral("Тариф"), QStringLiteral("Тариф"), o.tariff);
  return l;
}

void OrderRepository::bindOrder(Statement& s, const OrderInput& o, const Links& l) {
  s.bind(QStringLiteral("НачалоЗаказа"), o.start)
      .bind(QStringLiteral("ОкончаниеЗаказа"), o.end)
      .bind(QStringLiteral("ОбщееВремя"), o.totalMinutes)
      .bind(QStringLiteral("Клиент_ID"), l.client)
      .bind(QStringLiteral("Заказчик_ID"), l.customer)
      .bind(QStringLiteral("ТипТС_ID"), l.vehicleType)
      .bind(QStringLiteral("ПараметрыТС"), o.transportDescription)
      .bind(QStringLiteral("Источник_ID"), l.source)
      .bind(QStringLiteral("Реклама_ID"), l.ad)
      .bind(QStringLiteral("Диспетчер_ID"), l.dispatcher)
      .bind(QStringLiteral("Маршрут"), o.route)
      .bind(QStringLiteral("Загрузка"), o.load)
      .bind(QStringLiteral("Разгрузка"), o.unload)
      .bind(QStringLiteral("ТаможняНазначения"), o.toCustom)
      .bind(QStringLiteral("Груз"), o.freight)
      .bind(QStringLiteral("Получатель"), o.receiver)
      .bind(QStringLiteral("Экспедиция"), o.expedition)
      .bind(QStringLiteral("Исполнитель_ID"), l.carrier)
      .bind(QStringLiteral("Автомобиль_ID"), l.vehicle)
      .bind(QStringLiteral("Водитель_ID"), l.driver)
      .bind(QStringLiteral("Менеджер_ID"), l.manager)
      .bind(QStringLiteral("Валюта_ID"), l.currency)
      .bind(QStringLiteral("Расчет"), qMax(0, o.cashType))
      .bind(QStringLiteral("Тариф_ID"), l.tariff)
      .bind(QStringLiteral("ЦенаПеревозки"), o.wayPrice)
      .bind(QStringLiteral("Сумма"), o.sum)
      .bind(QStringLiteral("СуммаКлиента"), o.clientSum)
      .bind(QStringLiteral("СуммаКлиентаРуб"), o.clientRoubles)
      .bind(QStringLiteral("ОплатаКлиента"), o.clientPaid)
      .bind(QStringLiteral("ДатаОплатыКлиента"), paymentDate(o.clientPaid, o.clientPaymentDate))
      .bind(QStringLiteral("СуммаИсполнителю"), o.workerSum)
      .bind(QStringLiteral("СуммаИсполнителюРуб"), o.workerRoubles)
      .bind(QStringLiteral("ОплатаИсполнителю"), o.workerPaid)
      .bind(QStringLiteral("ДатаОплатыИсполнителю"), paymentDate(o.workerPaid, o.workerPaymentDate))
      .bind(QStringLiteral("Прибыль"), o.profit)
      .bind(QStringLiteral("Дополнительно"), o.comment);
}

void OrderRepository::storeNewAttachments(qint64 orderId, const OrderInput& order) {
  Statement insert(m_db, QStringLiteral("INSERT INTO Файлы (Заявка_ID, Файл, Описание) "
                                        "VALUES (:Заявка_ID, :Файл, :Описание)"));
  for (const AttachmentEntry& entry : order.attachments) {
    if (!entry.isNew())
      continue;
    insert.bind(kOrderId, orderId)
        .bind(QStringLiteral("Файл"), readNewFile(entry))
        .bind(QStringLiteral("Описание"), entry.fileName());
    insert.exec();
  }
}

void OrderRepository::storeExpenses(qint64 orderId, const OrderInput& order) {
  // An expense row, once created, is kept: unticking sets its amount to 0.
  QHash<qint64, qint64> rowOfKind;
  Statement existing(m_db, QStringLiteral("SELECT ID, Расход_ID FROM Расходные WHERE Заявка_ID=:Заявка_ID "
                                          "ORDER BY ID"));
  existing.bind(kOrderId, orderId);
  existing.exec();
  while (existing.next()) {
    const qint64 kind = existing.integer(QStringLiteral("Расход_ID"));
    if (!rowOfKind.contains(kind))
      rowOfKind.insert(kind, existing.integer(kId));
  }
  Statement update(m_db, QStringLiteral("UPDATE Расходные SET Расходные=:Расходные WHERE ID=:ID"));
  Statement insert(m_db, QStringLiteral("INSERT INTO Расходные (Заявка_ID, Расход_ID, Расходные) "
                                        "VALUES (:Заявка_ID, :Расход_ID, :Расходные)"));
  for (const ExpenseLine& line : order.expenses) {
    if (const auto row = rowOfKind.constFind(line.kindId); row != rowOfKind.constEnd()) {
      update.bind(QStringLiteral("Расходные"), line.amount.value_or(0.0)).bind(kId, *row);
      update.exec();
    } else if (line.amount) {
      insert.bind(kOrderId, orderId)
          .bind(QStringLiteral("Расход_ID"), line.kindId)
          .bind(QStringLiteral("Расходные"), *line.amount);
      insert.exec();
    }
  }
}

Result<qint64> OrderRepository::insert(const OrderInput& order, qint64 creatorId, JournalWriter& journal) {
  auto result = attempt([&] {
    Transaction transaction(m_db);
    const Links links = resolve(order);
    Statement insert(m_db, insertStatement());
    bindOrder(insert, order, links);
    insert.bind(QStringLiteral("Creator_ID"), creatorId);
    const qint64 id = insert.insert();
    storeNewAttachments(id, order);
    recordWithDetail(journal, QStringLiteral("Создание заказа № %1").arg(id), {});
    storeExpenses(id, order);
    transaction.commit();
    return id;
  });
  if (!result)
    journal.clearDetail();
  return result;
}

Result<void> OrderRepository::update(qint64 orderId, const OrderInput& order, const QStringList& changes,
                                     JournalWriter& journal) {
  auto result = attempt([&] {
    Transaction transaction(m_db);
    const Links links = resolve(order);
    Statement update(m_db, updateStatement());
    bindOrder(update, order, links);
    update.bind(QStringLiteral("Done"), order.done).bind(kId, orderId);
    update.exec();
    if (update.rowsAffected() == 0)
      fail(notFoundText(orderId));

    // Stored files no longer listed are deleted; names compare regardless of case.
    QStringList kept;
    for (const AttachmentEntry& entry : order.attachments) {
      if (!entry.isNew())
        kept.append(entry.text);
    }
    Statement stored(m_db, QStringLiteral("SELECT ID, Описание FROM Файлы WHERE Заявка_ID=:Заявка_ID"));
    stored.bind(kOrderId, orderId);
    stored.exec();
    QList<qint64> removed;
    while (stored.next()) {
      if (!kept.contains(stored.text(QStringLiteral("Описание")), Qt::CaseInsensitive))
        removed.append(stored.integer(kId));
    }
    Statement remove(m_db, QStringLiteral("DELETE FROM Файлы WHERE ID=:ID"));
    for (const qint64 id : removed) {
      remove.bind(kId, id);
      remove.exec();
    }
    storeNewAttachments(orderId, order);
    recordWithDetail(journal, QStringLiteral("Редактирование заказа № %1").arg(orderId), changes);
    storeExpenses(orderId, order);
    transaction.commit();
  });
  if (!result)
    journal.clearDetail();
  return result;
}

Result<void> OrderRepository::remove(qint64 orderId, JournalWriter& journal) {
  auto result = attempt([&] {
    Transaction transaction(m_db);
    for (const char* table : {"Расходные", "Файлы"}) {
      Statement children(m_db,
                         QStringLiteral("DELETE FROM %1 WHERE Заявка_ID=:Заявка_ID").arg(QString::fromUtf8(table)));
      children.bind(kOrderId, orderId);
      children.exec();
    }
    Statement order(m_db, QStringLiteral("DELETE FROM Заявки WHERE ID=:ID"));
    order.bind(kId, orderId);
    order.exec();
    if (order.rowsAffected() == 0)
      fail(notFoundText(orderId));
    recordWithDetail(journal, QStringLiteral("Удаление заказа № %1").arg(orderId), {});
    transaction.commit();
  });
  if (!result)
    journal.clearDetail();
  return result;
}

QString OrderRepository::notFoundText(qint64 orderId) {
  return QStringLiteral("Заказ № %1 не найден: возможно, его удалили.").arg(orderId);
}

Result<std::optional<StoredOrder>> OrderRepository::load(qint64 orderId) {
  return attempt([&]() -> std::optional<StoredOrder> {
    // Left joins: an order whose directory entry was deleted still opens,
    // with that name empty, instead of as a blank order.
    Statement q(
        m_db, QStringLiteral("SELECT Заявки.ID, НачалоЗаказа, ОкончаниеЗаказа, ОбщееВремя, Клиенты.Организация, "
                             "Заявки.Клиент_ID, Заказчики.ФИО, ТС.Наименование AS ТипТС, ПараметрыТС, "
                             "Источники.Наименование AS Источник, Реклама_ID, Диспетчер_ID, Маршрут, Загрузка, "
                             "Разгрузка, ТаможняНазначения, Груз, Получатель, Экспедиция, Заявки.Исполнитель_ID, "
                             "Исполнители.Исполнитель, Автомобиль_ID, Водитель_ID, Менеджеры.Менеджер, Дополнительно, "
                             "Done, Валюты.Валюта, Расчет, Тарифы.Тариф, ЦенаПеревозки, Сумма, СуммаКлиента, "
                             "СуммаКлиентаРуб, ОплатаКлиента, ДатаОплатыКлиента, СуммаИсполнителю, "
                             "СуммаИсполнителюРуб, ОплатаИсполнителю, ДатаОплатыИсполнителю, Прибыль "
                             "FROM Заявки "
                             "LEFT JOIN Клиенты ON Клиенты.ID=Заявки.Клиент_ID "
                             "LEFT JOIN Заказчики ON Заказчики.ID=Заявки.Заказчик_ID "
                             "LEFT JOIN Источники ON Источники.ID=Заявки.Источник_ID "
                             "LEFT JOIN Исполнители ON Исполнители.ID=Заявки.Исполнитель_ID "
                             "LEFT JOIN Менеджеры ON Менеджеры.ID=Заявки.Менеджер_ID "
                             "LEFT JOIN ТС ON ТС.ID=Заявки.ТипТС_ID "
                             "LEFT JOIN Валюты ON Валюты.ID=Заявки.Валюта_ID "
                             "LEFT JOIN Тарифы ON Тарифы.ID=Заявки.Тариф_ID "
                             "WHERE Заявки.ID=:ID"));
    q.bind(kId, orderId);
    if (!q.first())
      return std::nullopt;
    const auto optionalDate = [&q](const QString& column) {
      return q.isNull(column) ? QDateTime() : q.dateTime(column);
    };
    StoredOrder o;
    o.id = q.integer(kId);
    o.start = q.dateTime(QStringLiteral("НачалоЗаказа"));
    o.end = q.dateTime(QStringLiteral("ОкончаниеЗаказа"));
    o.totalMinutes = int(q.integer(QStringLiteral("ОбщееВремя")));
    o.client = q.text(QStringLiteral("Организация"));
    o.clientId = q.integer(QStringLiteral("Клиент_ID"));
    o.customer = q.text(QStringLiteral("ФИО"));
    o.vehicleType = q.text(QStringLiteral("ТипТС"));
    o.transportDescription = q.text(QStringLiteral("ПараметрыТС"));
    o.source = q.text(QStringLiteral("Источник"));
    o.adId = q.integer(QStringLiteral("Реклама_ID"));
    o.dispatcherId = q.integer(QStringLiteral("Диспетчер_ID"));
    o.route = q.text(QStringLiteral("Маршрут"));
    o.load = q.text(QStringLiteral("Загрузка"));
    o.unload = q.text(QStringLiteral("Разгрузка"));
    o.toCustom = q.text(QStringLiteral("ТаможняНазначения"));
    o.freight = q.text(QStringLiteral("Груз"));
    o.receiver = q.text(QStringLiteral("Получатель"));
    o.expedition = q.text(QStringLiteral("Экспедиция"));
    o.carrierId = q.integer(QStringLiteral("Исполнитель_ID"));
    o.carrier = q.text(QStringLiteral("Исполнитель"));
    o.vehicleId = q.integer(QStringLiteral("Автомобиль_ID"));
    o.driverId = q.integer(QStringLiteral("Водитель_ID"));
    o.manager = q.text(QStringLiteral("Менеджер"));
    o.comment = q.text(QStringLiteral("Дополнительно"));
    o.done = q.boolean(QStringLiteral("Done"));
    o.currency = q.text(QStringLiteral("Валюта"));
    o.cashType = int(q.integer(QStringLiteral("Расчет")));
    o.tariff = q.text(QStringLiteral("Тариф"));
    o.wayPrice = q.number(QStringLiteral("ЦенаПеревозки"));
    o.sum = q.number(QStringLiteral("Сумма"));
    o.clientPaid = q.boolean(QStringLiteral("ОплатаКлиента"));
    o.clientSum = q.number(QStringLiteral("СуммаКлиента"));
    o.clientPaymentDate = optionalDate(QStringLiteral("ДатаОплатыКлиента"));
    o.clientRoubles = q.number(QStringLiteral("СуммаКлиентаРуб"));
    o.workerPaid = q.boolean(QStringLiteral("ОплатаИсполнителю"));
    o.workerSum = q.number(QStringLiteral("СуммаИсполнителю"));
    o.workerPaymentDate = optionalDate(QStringLiteral("ДатаОплатыИсполнителю"));
    o.workerRoubles = q.number(QStringLiteral("СуммаИсполнителюРуб"));
    o.profit = q.number(QStringLiteral("Прибыль"));
    return o;
  });
}

Result<QHash<qint64, double>> OrderRepository::expenses(qint64 orderId) {
  return attempt([&] {
    Statement q(m_db, QStringLiteral("SELECT Расход_ID, Расходные FROM Расходные WHERE Заявка_ID=:Заявка_ID "
                                     "ORDER BY ID"));
    q.bind(kOrderId, orderId);
    q.exec();
    QHash<qint64, double> out;
    while (q.next()) {
      const qint64 kind = q.integer(QStringLiteral("Расход_ID"));
      if (!out.contains(kind))
        out.insert(kind, q.number(QStringLiteral("Расходные")));
    }
    return out;
  });
}

Result<QStringList> OrderRepository::attachmentNames(qint64 orderId) {
  return attempt([&] {
    return readTexts(m_db, QStringLiteral("SELECT Описание FROM Файлы WHERE Заявка_ID=:Заявка_ID ORDER BY ID"),
                     {{kOrderId, orderId}});
  });
}

Result<std::optional<QByteArray>> OrderRepository::attachmentContent(qint64 orderId, const QString& name) {
  return attempt([&]() -> std::optional<QByteArray> {
    Statement q(m_db, QStringLiteral("SELECT Файл FROM Файлы WHERE Заявка_ID=:Заявка_ID AND Описание=:Описание "
                                     "ORDER BY ID"));
    q.bind(kOrderId, orderId).bind(QStringLiteral("Описание"), name);
    if (!q.first())
      return std::nullopt;
    return q.bytes(QStringLiteral("Файл"));
  });
}

Result<std::optional<OrderProperties>> OrderRepository::properties(qint64 orderId) {
  return attempt([&]() -> std::optional<OrderProperties> {
    Statement q(m_db, QStringLiteral("SELECT Создано, Пользователи.ФИО, Done FROM Заявки "
                                     "LEFT JOIN Пользователи ON Пользователи.ID=Заявки.Creator_ID "
                                     "WHERE Заявки.ID=:ID"));
    q.bind(kId, orderId);
    if (!q.first())
      return std::nullopt;
    return OrderProperties{q.dateTime(QStringLiteral("Создано")), q.text(QStringLiteral("ФИО")),
                           q.boolean(QStringLiteral("Done"))};
  });
}

} // namespace vh
