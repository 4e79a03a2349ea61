#pragma once

#include "core/order/orderdata.h"

#include <QHash>
#include <QStringList>

namespace vh {

class Database;

struct VehicleTypeTimes final {
  int minimum = 0;  // the shortest order, minutes
  int delivery = 0; // bringing the vehicle to the loading place, minutes
};

struct CarrierPhones final {
  QString phone;
  QString fax;
};

// The editor's free-text fields whose earlier values are offered while typing.
enum class CompletedField { Route, Load, Unload, ToCustom, Freight, Receiver, TransportDescription };
inline constexpr int kCompletedFieldCount = 7;

// The directory reads of the order editor: its lists, the dependent lists of
// a chosen client or carrier, the hints and the money defaults. Entries are
// found by the names the lists show; where two rows share a name the oldest
// row counts. Every method throws Failure (call inside attempt()).
class OrderLookups final {
public:
  explicit OrderLookups(Database& db) : m_db(db) {}

  QStringList clients();
  QString clientContacts(const QString& client);
  QStringList customersOf(const QString& client);
  QStringList customersOf(qint64 clientId);
  QString customerPhone(const QString& client, const QString& customer);

  QStringList vehicleTypes();
  VehicleTypeTimes vehicleTypeTimes(const QString& vehicleType);
  // The distinct values stored for the field in all orders.
  QStringList earlierValues(CompletedField field);

  QStringList carriers();
  CarrierPhones carrierPhones(const QString& carrier);
  // Vehicles as "{Марка} • {Номер}" labels.
  QList<NamedId> vehiclesOf(const QString& carrier);
  QList<NamedId> vehiclesOf(qint64 carrierId);
  QList<NamedId> driversOf(qint64 vehicleId);
  QString driverPhone(qint64 vehicleId, const QString& driver);
  QStringList managersOf(const QString& carrier);
  QStringList managersOf(qint64 carrierId);
  QString managerPhone(const QString& carrier, const QString& manager);

  QStringList sources();
  QList<NamedId> adChannels();
  QList<NamedId> dispatchers();

  QStringList currencies();
  QStringList activeTariffs();
  QList<NamedId> activeExpenseKinds();
  // The tariff's default freight rate in the currency; 0 when none is set.
  double tariffDefault(const QString& tariff, const QString& currency);
  // Default amounts above 0 of the expense kinds in the currency, by kind.
  QHash<qint64, double> expenseDefaults(const QString& currency);

  // The row of a name shown in a list; 0 when there is none.
  qint64 clientId(const QString& client);
  qint64 carrierId(const QString& carrier);

private:
  Database& m_db;
};

} // namespace vh
