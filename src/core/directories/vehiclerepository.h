#pragma once

#include "core/common/result.h"
#include "core/directories/listentry.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vh {

class Database;
class JournalWriter;

struct VehicleRecord final {
  qint64 id = 0;
  qint64 carrierId = 0;
  QString make;
  QString number;
  QString type; // the vehicle type's name; empty when the type was deleted
  QString description;
};

// The statements of the vehicle editor. Drivers are kept by PersonRepository.
class VehicleRepository final {
public:
  explicit VehicleRepository(Database& db) : m_db(db) {}

  Result<QStringList> typeNames();
  // A carrier's vehicles, each listed by its label "{make} • {number}".
  Result<QList<ListEntry>> labels(qint64 carrierId);
  Result<std::optional<VehicleRecord>> find(qint64 id);
  // Whether a vehicle other than exceptId, of any carrier, has this make and
  // number (letter case ignored): a registration number names one vehicle.
  Result<bool> taken(const QString& make, const QString& number, qint64 exceptId = 0);
  // The type is given by its name.
  Result<qint64> insert(const VehicleRecord& vehicle, JournalWriter& journal, const QString& action);
  Result<void> update(const VehicleRecord& vehicle, JournalWriter& journal, const QString& action);
  // The vehicle's drivers stay: orders still name them.
  Result<void> remove(qint64 id, JournalWriter& journal, const QString& action);

private:
  Database& m_db;
};

} // namespace vh
