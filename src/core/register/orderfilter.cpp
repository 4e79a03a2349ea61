#include "core/register/orderfilter.h"

#include "core/db/statement.h"
#include "core/directories/lookup.h"

namespace vh {

namespace {

// Collects clauses over the register statement, each value under its own
// parameter name. Tables and columns are the program's own identifiers.
class ConditionBuilder final {
public:
  template <typename T> void range(const QString& column, const std::optional<Bounds<T>>& bounds, const QString& name) {
    if (!bounds)
      return;
    if (bounds->from)
      add(QStringLiteral("%1>=:%2От").arg(column, name), name + QStringLiteral("От"), *bounds->from);
    if (bounds->to)
      add(QStringLiteral("%1<=:%2До").arg(column, name), name + QStringLiteral("До"), *bounds->to);
  }

  // The order refers to a directory entry of exactly this name.
  void named(const QString& reference, const QString& table, const QString& nameColumn,
             const std::optional<QString>& name, const QString& parameter) {
    if (name)
      add(QStringLiteral("%1 IN (SELECT ID FROM %2 WHERE %3=:%4)").arg(reference, table, nameColumn, parameter),
          parameter, *name);
  }

  // The order refers to a directory entry whose name contains the text; the
  // name column names the parameter.
  void containing(const QString& reference, const QString& table, const QString& nameColumn,
                  const std::optional<QString>& text) {
    if (text)
      add(QStringLiteral("%1 IN (SELECT ID FROM %2 WHERE %3)").arg(reference, table, like(nameColumn, nameColumn)),
          nameColumn, likeContains(*text));
  }

  static QString like(const QString& column, const QString& parameter) {
    return QStringLiteral("lower(%1) LIKE lower(:%2) ESCAPE '\\'").arg(column, parameter);
  }

  void add(const QString& clause, const QString& parameter, const QVariant& value) {
    m_conditions.clauses.append(clause);
    m_conditions.values.insert(parameter, value);
  }
  void add(const QString& clause) { m_conditions.clauses.append(clause); }

  RegisterConditions take() { return std::move(m_conditions); }

private:
  RegisterConditions m_conditions;
};

// The typed search texts: the order's reference, the directory and its name column.
struct TextCriterion {
  const char* reference;
  const char* table;
  const char* column;
  std::optional<QString> OrderFilter::*text;
};
const TextCriterion kTextCriteria[] = {
    {"Клиент_ID", "Клиенты", "Организация", &OrderFilter::client},
    {"Заказчик_ID", "Заказчики", "ФИО", &OrderFilter::contact},
    {"Исполнитель_ID", "Исполнители", "Исполнитель", &OrderFilter::carrier},
    {"Автомобиль_ID", "Авто", "Номер", &OrderFilter::plate},
    {"Автомобиль_ID", "Авто", "Марка", &OrderFilter::make},
    {"Водитель_ID", "Водители", "Водитель", &OrderFilter::driver},
};

// The distinct non-empty names of one directory column.
QStringList names(Database& db, const QString& table, const QString& column) {
  return readTexts(db, QStringLiteral("SELECT DISTINCT %2 FROM %1 WHERE %2<>''").arg(table, column));
}

} // namespace

SourceDetail sourceDetailOf(const QString& source) {
  if (source == u"Реклама")
    return SourceDetail::Advert;
  if (source == u"Диспетчер")
    return SourceDetail::Dispatcher;
  return SourceDetail::None;
}

RegisterConditions registerConditions(const OrderFilter& f) {
  ConditionBuilder b;
  b.range(QStringLiteral("Заявки.ID"), f.numbers, QStringLiteral("Заказ"));
  b.range(QStringLiteral("Заявки.Создано"), f.registered, QStringLiteral("Создано"));
  b.named(QStringLiteral("Заявки.Creator_ID"), QStringLiteral("Пользователи"), QStringLiteral("Логин"), f.authorLogin,
          QStringLiteral("Автор"));
  if (f.status == OrderFilter::Status::Active)
    b.add(QStringLiteral("Заявки.Done=False"));
  else if (f.status == OrderFilter::Status::Archived)
    b.add(QStringLiteral("Заявки.Done=True"));
  b.range(QStringLiteral("Заявки.НачалоЗаказа"), f.started, QStringLiteral("Начало"));
  if (f.routeKeyword)
    b.add(ConditionBuilder::like(QStringLiteral("Заявки.Маршрут"), QStringLiteral("Маршрут")),
          QStringLiteral("Маршрут"), likeContains(*f.routeKeyword));
  b.named(QStringLiteral("Заявки.Источник_ID"), QStringLiteral("Источники"), QStringLiteral("Наименование"), f.source,
          QStringLiteral("Источник"));
  if (f.source) {
    // An empty second choice compares with an empty name, as every choice
    // ticked without an entry does.
    switch (sourceDetailOf(*f.source)) {
    case SourceDetail::Advert:
      b.named(QStringLiteral("Заявки.Реклама_ID"), QStringLiteral("Реклама"), QStringLiteral("Наименование"),
              f.sourceDetail, QStringLiteral("Реклама"));
      break;
    case SourceDetail::Dispatcher:
      b.named(QStringLiteral("Заявки.Диспетчер_ID"), QStringLiteral("Диспетчеры"), QStringLiteral("ФИО"),
              f.sourceDetail, QStringLiteral("Диспетчер"));
      break;
    case SourceDetail::None: break;
    }
  }
  if (f.group)
    b.add(QStringLiteral("Заявки.Клиент_ID IN (SELECT ID FROM Клиенты WHERE Группа_ID IN "
                         "(SELECT ID FROM Группы WHERE Наименование=:Группа))"),
          QStringLiteral("Группа"), *f.group);
  b.named(QStringLiteral("Заявки.ТипТС_ID"), QStringLiteral("ТС"), QStringLiteral("Наименование"), f.vehicleType,
          QStringLiteral("ТипТС"));
  for (const TextCriterion& c : kTextCriteria)
    b.containing(QStringLiteral("Заявки.") + QString::fromUtf8(c.reference), QString::fromUtf8(c.table),
                 QString::fromUtf8(c.column), f.*c.text);
  b.range(QStringLiteral("Заявки.Сумма"), f.amount, QStringLiteral("Сумма"));
  if (f.payment)
    b.add(QStringLiteral("Заявки.Расчет=:Расчет"), QStringLiteral("Расчет"), int(*f.payment));
  return b.take();
}

Result<OrderFilterLists> OrderFilterRepository::lists() {
  return attempt([&] {
    OrderFilterLists l;
    l.logins = names(m_db, QStringLiteral("Пользователи"), QStringLiteral("Логин"));
    l.sources = names(m_db, QStringLiteral("Источники"), QStringLiteral("Наименование"));
    l.groups = names(m_db, QStringLiteral("Группы"), QStringLiteral("Наименование"));
    l.vehicleTypes = names(m_db, QStringLiteral("ТС"), QStringLiteral("Наименование"));
    l.clients = names(m_db, QStringLiteral("Клиенты"), QStringLiteral("Организация"));
    l.contacts = names(m_db, QStringLiteral("Заказчики"), QStringLiteral("ФИО"));
    l.carriers = names(m_db, QStringLiteral("Исполнители"), QStringLiteral("Исполнитель"));
    l.plates = names(m_db, QStringLiteral("Авто"), QStringLiteral("Номер"));
    l.makes = names(m_db, QStringLiteral("Авто"), QStringLiteral("Марка"));
    l.drivers = names(m_db, QStringLiteral("Водители"), QStringLiteral("Водитель"));
    return l;
  });
}

Result<QStringList> OrderFilterRepository::sourceDetails(SourceDetail detail) {
  return attempt([&] {
    switch (detail) {
    case SourceDetail::Advert: return names(m_db, QStringLiteral("Реклама"), QStringLiteral("Наименование"));
    case SourceDetail::Dispatcher: return names(m_db, QStringLiteral("Диспетчеры"), QStringLiteral("ФИО"));
    case SourceDetail::None: break;
    }
    return QStringList();
  });
}

} // namespace vh
