#pragma once

#include "core/common/result.h"
#include "core/register/registerrepository.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace vh {

class Database;

// A range whose missing side is no bound on that side.
template <typename T> struct Bounds final {
  std::optional<T> from;
  std::optional<T> to;
};

// The criteria of the order filter window. A criterion applies when it holds a
// value (its box is ticked). Names compare exactly; the texts typed into the
// search fields match any part of a name, regardless of letter case.
struct OrderFilter final {
  enum class Status { Any, Active, Archived };
  enum class Payment { Cash = 0, Cashless = 1 };

  // "Заказ"
  std::optional<Bounds<qint64>> numbers;
  std::optional<Bounds<QDateTime>> registered;
  std::optional<QString> authorLogin;
  std::optional<Status> status;
  std::optional<Bounds<QDateTime>> started;
  std::optional<QString> source;
  // The advertising channel or the dispatcher, for the two sources that have one.
  QString sourceDetail;
  // "Маршрут"
  std::optional<QString> routeKeyword;
  // "Транспорт"
  std::optional<QString> vehicleType;
  std::optional<QString> plate;
  std::optional<QString> make;
  // "Клиент-Исполнитель"
  std::optional<QString> client;
  std::optional<QString> contact;
  std::optional<QString> carrier;
  std::optional<QString> driver;
  std::optional<QString> group;
  // "Оплата"
  std::optional<Bounds<double>> amount;
  std::optional<Payment> payment;
};

// The sources "Реклама" and "Диспетчер" (recognised by their exact names)
// record an advertising channel or a dispatcher as well.
enum class SourceDetail { None, Advert, Dispatcher };
SourceDetail sourceDetailOf(const QString& source);

// The conditions on the register statement for the criteria. Every value is
// bound; with no criterion the register lists every order, archived included.
RegisterConditions registerConditions(const OrderFilter& filter);

// The entries the filter window offers, unsorted.
struct OrderFilterLists final {
  QStringList logins;
  QStringList sources;
  QStringList groups;
  QStringList vehicleTypes;
  QStringList clients;
  QStringList contacts;
  QStringList carriers;
  QStringList plates;
  QStringList makes;
  QStringList drivers;
};

class OrderFilterRepository final {
public:
  explicit OrderFilterRepository(Database& db) : m_db(db) {}

  Result<OrderFilterLists> lists();
  // The advertising channels or the dispatchers; empty for any other source.
  Result<QStringList> sourceDetails(SourceDetail detail);

private:
  Database& m_db;
};

} // namespace vh
