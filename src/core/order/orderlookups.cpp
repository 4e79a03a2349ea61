#include "core/order/orderlookups.h"

#include "core/db/statement.h"
#include "core/directories/lookup.h"
#include "core/directories/vehiclelabel.h"

namespace vh {

namespace {

const QString kName = QStringLiteral("name");
const QString kOwner = QStringLiteral("owner");

QList<NamedId> readNamed(Database& db, const QString& sql, const QVariantMap& values = {}) {
  Statement q(db, sql);
  for (auto it = values.cbegin(); it != values.cend(); ++it)
    q.bind(it.key(), it.value());
  q.exec();
  QList<NamedId> out;
  while (q.next())
    out.append({q.value(0).toLongLong(), q.value(1).toString()});
  return out;
}

QString readText(Database& db, const QString& sql, const QVariantMap& values) {
  const auto value = readValue(db, sql, values);
  return value ? value->toString() : QString();
}

} // namespace

qint64 OrderLookups::clientId(const QString& client) {
  return idByName(m_db, QStringLiteral("Клиенты"), QStringLiteral("Организация"), client).value_or(0);
}

qint64 OrderLookups::carrierId(const QString& carrier) {
  return idByName(m_db, QStringLiteral("Исполнители"), QStringLiteral("Исполнитель"), carrier).value_or(0);
}

QStringList OrderLookups::clients() {
  return readTexts(m_db, QStringLiteral("SELECT Организация FROM Клиенты"));
}

QString OrderLookups::clientContacts(const QString& client) {
  return readText(m_db, QStringLiteral("SELECT Контакты FROM Клиенты WHERE Организация=:name ORDER BY ID"),
                  {{kName, client}});
}

QStringList OrderLookups::customersOf(const QString& client) {
  return customersOf(clientId(client));
}

QStringList OrderLookups::customersOf(qint64 clientId) {
  return readTexts(m_db, QStringLiteral("SELECT ФИО FROM Заказчики WHERE Клиент_ID=:owner ORDER BY ID"),
                   {{kOwner, clientId}});
}

QString OrderLookups::customerPhone(const QString& client, const QString& customer) {
  return readText(m_db,
                  QStringLiteral("SELECT Телефон FROM Заказчики WHERE Клиент_ID=:owner AND ФИО=:name ORDER BY ID"),
                  {{kOwner, clientId(client)}, {kName, customer}});
}

QStringList OrderLookups::vehicleTypes() {
  return readTexts(m_db, QStringLiteral("SELECT Наименование FROM ТС"));
}

VehicleTypeTimes OrderLookups::vehicleTypeTimes(const QString& vehicleType) {
  Statement q(m_db, QStringLiteral("SELECT Минимал, ВремяПодачи FROM ТС WHERE Наименование=:name ORDER BY ID"));
  q.bind(kName, vehicleType);
  if (!q.first())
    return {};
  return {int(q.integer(QStringLiteral("Минимал"))), int(q.integer(QStringLiteral("ВремяПодачи")))};
}

QStringList OrderLookups::earlierValues(CompletedField field) {
  static const char* const columns[kCompletedFieldCount] = {"Маршрут", "Загрузка",   "Разгрузка",  "ТаможняНазначения",
                                                            "Груз",    "Получатель", "ПараметрыТС"};
  const QString column = QString::fromUtf8(columns[int(field)]);
  return readTexts(m_db, QStringLiteral("SELECT DISTINCT %1 FROM Заявки WHERE %1<>''").arg(column));
}

QStringList OrderLookups::carriers() {
  return readTexts(m_db, QStringLiteral("SELECT Исполнитель FROM Исполнители"));
}

CarrierPhones OrderLookups::carrierPhones(const QString& carrier) {
  Statement q(m_db, QStringLiteral("SELECT Телефон, Факс FROM Исполнители WHERE Исполнитель=:name ORDER BY ID"));
  q.bind(kName, carrier);
  if (!q.first())
    return {};
  return {q.text(QStringLiteral("Телефон")), q.text(QStringLiteral("Факс"))};
}

QList<NamedId> OrderLookups::vehiclesOf(const QString& carrier) {
  return vehiclesOf(carrierId(carrier));
}

QList<NamedId> OrderLookups::vehiclesOf(qint64 carrierId) {
  Statement q(m_db, QStringLiteral("SELECT ID, Марка, Номер FROM Авто WHERE Исполнитель_ID=:owner ORDER BY ID"));
  q.bind(kOwner, carrierId);
  q.exec();
  QList<NamedId> out;
  while (q.next())
    out.append({q.integer(QStringLiteral("ID")),
                VehicleLabel{q.text(QStringLiteral("Марка")), q.text(QStringLiteral("Номер"))}.text()});
  return out;
}

QList<NamedId> OrderLookups::driversOf(qint64 vehicleId) {
  return readNamed(m_db, QStringLiteral("SELECT ID, Водитель FROM Водители WHERE Авто_ID=:owner ORDER BY ID"),
                   {{kOwner, vehicleId}});
}

QString OrderLookups::driverPhone(qint64 vehicleId, const QString& driver) {
  return readText(m_db,
                  QStringLiteral("SELECT Телефон FROM Водители WHERE Авто_ID=:owner AND Водитель=:name ORDER BY ID"),
                  {{kOwner, vehicleId}, {kName, driver}});
}

QStringList OrderLookups::managersOf(const QString& carrier) {
  return managersOf(carrierId(carrier));
}

QStringList OrderLookups::managersOf(qint64 carrierId) {
  return readTexts(m_db, QStringLiteral("SELECT Менеджер FROM Менеджеры WHERE Исполнитель_ID=:owner ORDER BY ID"),
                   {{kOwner, carrierId}});
}

QString OrderLookups::managerPhone(const QString& carrier, const QString& manager) {
  return readText(
      m_db, QStringLiteral("SELECT Телефон FROM Менеджеры WHERE Исполнитель_ID=:owner AND Менеджер=:name ORDER BY ID"),
      {{kOwner, carrierId(carrier)}, {kName, manager}});
}

QStringList OrderLookups::sources() {
  return readTexts(m_db, QStringLiteral("SELECT Наименование FROM Источники ORDER BY ID"));
}

QList<NamedId> OrderLookups::adChannels() {
  return readNamed(m_db, QStringLiteral("SELECT ID, Наименование FROM Реклама ORDER BY ID"));
}

QList<NamedId> OrderLookups::dispatchers() {
  return readNamed(m_db, QStringLiteral("SELECT ID, ФИО FROM Диспетчеры ORDER BY ID"));
}

QStringList OrderLookups::currencies() {
  return readTexts(m_db, QStringLiteral("SELECT Валюта FROM Валюты"));
}

QStringList OrderLookups::activeTariffs() {
  return readTexts(m_db, QStringLiteral("SELECT Тариф FROM Тарифы WHERE Активно=True"));
}

QList<NamedId> OrderLookups::activeExpenseKinds() {
  return readNamed(m_db,
                   QStringLiteral("SELECT ID, Расход FROM Расходы WHERE Активно=True ORDER BY Расход COLLATE ru"));
}

double OrderLookups::tariffDefault(const QString& tariff, const QString& currency) {
  const auto value = readValue(m_db,
                               QStringLiteral("SELECT d.ПоУмолчанию FROM УмолчанияТарифов d "
                                              "JOIN Тарифы t ON t.ID=d.Тариф_ID JOIN Валюты v ON v.ID=d.Валюта_ID "
                                              "WHERE t.Тариф=:tariff AND t.Активно=True AND v.Валюта=:currency "
                                              "ORDER BY t.ID, v.ID, d.ID"),
                               {{QStringLiteral("tariff"), tariff}, {QStringLiteral("currency"), currency}});
  return value ? value->toDouble() : 0.0;
}

QHash<qint64, double> OrderLookups::expenseDefaults(const QString& currency) {
  const qint64 currencyId = idByName(m_db, QStringLiteral("Валюты"), QStringLiteral("Валюта"), currency).value_or(0);
  Statement q(m_db, QStringLiteral("SELECT Расход_ID, ПоУмолчанию FROM УмолчанияРасходов "
                                   "WHERE Валюта_ID=:owner AND ПоУмолчанию>0 ORDER BY ID"));
  q.bind(kOwner, currencyId);
  q.exec();
  QHash<qint64, double> out;
  while (q.next()) {
    const qint64 kind = q.integer(QStringLiteral("Расход_ID"));
    if (!out.contains(kind))
      out.insert(kind, q.number(QStringLiteral("ПоУмолчанию")));
  }
  return out;
}

} // namespace vh
