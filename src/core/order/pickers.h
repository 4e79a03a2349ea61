#pragma once

#include "core/common/result.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vh {

class Database;

// Finding a client by a part of a contact person's name, of its own name or
// of its details; optionally within one client group.
enum class ClientSearchField { ContactPerson, Organisation, Details };
// Finding a carrier by a part of its name, of a vehicle's make or number, or
// of a driver's name; optionally among carriers owning a vehicle of one type.
enum class CarrierSearchField { Name, Vehicle, Driver };

// An earlier order offered by the route, expedition and remark pickers: its
// creation moment as the user reads it, tied to the order itself so that two
// orders of one second are never confused.
struct EarlierOrder final {
  qint64 id = 0;
  QDateTime created;
};

// The order field an earlier-value picker copies.
enum class EarlierField { Route, Expedition, Remark };

class PickerRepository final {
public:
  explicit PickerRepository(Database& db) : m_db(db) {}

  Result<QStringList> clientGroups();
  Result<QStringList> vehicleTypes();
  // Every text is matched as a part, letter case ignored; an empty restriction is none.
  Result<QStringList> findClients(ClientSearchField field, const QString& text, const QString& group);
  Result<QStringList> findCarriers(CarrierSearchField field, const QString& text, const QString& vehicleType);

  // The orders whose field holds the word (all of them for an empty word),
  // of one client for routes and expeditions, of any client for remarks.
  Result<QList<EarlierOrder>> earlierOrders(EarlierField field, const QString& client, const QString& word);
  Result<QString> earlierText(EarlierField field, qint64 orderId);

private:
  Database& m_db;
};

} // namespace vh
