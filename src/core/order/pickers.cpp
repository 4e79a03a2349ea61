#include "core/order/pickers.h"

#include "core/db/statement.h"
#include "core/directories/lookup.h"

namespace vh {

namespace {

QString columnOf(EarlierField field) {
  switch (field) {
  case EarlierField::Route: return QStringLiteral("Маршрут");
  case EarlierField::Expedition: return QStringLiteral("Экспедиция");
  case EarlierField::Remark: return QStringLiteral("Дополнительно");
  }
  return {};
}

} // namespace

Result<QStringList> PickerRepository::clientGroups() {
  return attempt([&] {
    return readTexts(m_db, QStringLiteral("SELECT Наименование FROM Группы ORDER BY Наименование COLLATE ru"));
  });
}

Result<QStringList> PickerRepository::vehicleTypes() {
  return attempt(
      [&] { return readTexts(m_db, QStringLiteral("SELECT Наименование FROM ТС ORDER BY Наименование COLLATE ru")); });
}

Result<QStringList> PickerRepository::findClients(ClientSearchField field, const QString& text, const QString& group) {
  return attempt([&] {
    QString sql = QStringLiteral("SELECT Организация FROM Клиенты WHERE ");
    switch (field) {
    case ClientSearchField::ContactPerson:
      sql += QStringLiteral("ID IN (SELECT Клиент_ID FROM Заказчики WHERE lower(ФИО) LIKE lower(:text) ESCAPE '\\')");
      break;
    case ClientSearchField::Organisation:
      sql += QStringLiteral("lower(Организация) LIKE lower(:text) ESCAPE '\\'");
      break;
    case ClientSearchField::Details: sql += QStringLiteral("lower(Контакты) LIKE lower(:text) ESCAPE '\\'"); break;
    }
    QVariantMap values{{QStringLiteral("text"), likeContains(text)}};
    if (!group.isEmpty()) {
      sql += QStringLiteral(" AND Группа_ID IN (SELECT ID FROM Группы WHERE Наименование=:group)");
      values.insert(QStringLiteral("group"), group);
    }
    sql += QStringLiteral(" ORDER BY Организация COLLATE ru");
    return readTexts(m_db, sql, values);
  });
}

Result<QStringList> PickerRepository::findCarriers(CarrierSearchField field, const QString& text,
                                                   const QString& vehicleType) {
  return attempt([&] {
    QString sql = QStringLiteral("SELECT Исполнитель FROM Исполнители WHERE ");
    switch (field) {
    case CarrierSearchField::Name: sql += QStringLiteral("lower(Исполнитель) LIKE lower(:text) ESCAPE '\\'"); break;
    case CarrierSearchField::Vehicle:
      sql += QStringLiteral("ID IN (SELECT Исполнитель_ID FROM Авто WHERE lower(Марка) LIKE lower(:text) ESCAPE '\\' "
                            "OR lower(Номер) LIKE lower(:text) ESCAPE '\\')");
      break;
    case CarrierSearchField::Driver:
      sql += QStringLiteral("ID IN (SELECT Исполнитель_ID FROM Авто WHERE ID IN (SELECT Авто_ID FROM Водители "
                            "WHERE lower(Водитель) LIKE lower(:text) ESCAPE '\\'))");
      break;
    }
    QVariantMap values{{QStringLiteral("text"), likeContains(text)}};
    if (!vehicleType.isEmpty()) {
      sql += QStringLiteral(" AND ID IN (SELECT Исполнитель_ID FROM Авто WHERE ТипТС_ID IN "
                            "(SELECT ID FROM ТС WHERE Наименование=:type))");
      values.insert(QStringLiteral("type"), vehicleType);
    }
    sql += QStringLiteral(" ORDER BY Исполнитель COLLATE ru");
    return readTexts(m_db, sql, values);
  });
}

Result<QList<EarlierOrder>> PickerRepository::earlierOrders(EarlierField field, const QString& client,
                                                            const QString& word) {
  return attempt([&] {
    QStringList conditions;
    QVariantMap values;
    if (field != EarlierField::Remark) {
      conditions.append(QStringLiteral("Клиент_ID IN (SELECT ID FROM Клиенты WHERE Организация=:client)"));
      values.insert(QStringLiteral("client"), client);
    }
    if (!word.isEmpty()) {
      conditions.append(QStringLiteral("lower(%1) LIKE lower(:word) ESCAPE '\\'").arg(columnOf(field)));
      values.insert(QStringLiteral("word"), likeContains(word));
    }
    QString sql = QStringLiteral("SELECT ID, Создано FROM Заявки");
    if (!conditions.isEmpty())
      sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    // Newest first: the order a manager most likely wants to repeat is a recent one.
    sql += QStringLiteral(" ORDER BY Создано DESC, ID DESC");
    Statement q(m_db, sql);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
      q.bind(it.key(), it.value());
    q.exec();
    QList<EarlierOrder> orders;
    while (q.next())
      orders.append({q.integer(QStringLiteral("ID")), q.dateTime(QStringLiteral("Создано"))});
    return orders;
  });
}

Result<QString> PickerRepository::earlierText(EarlierField field, qint64 orderId) {
  return attempt([&] {
    const auto text = readValue(m_db, QStringLiteral("SELECT %1 FROM Заявки WHERE ID=:id").arg(columnOf(field)),
                                {{QStringLiteral("id"), orderId}});
    return text ? text->toString() : QString();
  });
}

} // namespace vh
