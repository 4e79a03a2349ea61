#pragma once

#include "core/common/result.h"
#include "core/directories/namedlist.h"

#include <optional>

namespace vh {

class Database;
class JournalWriter;

// A vehicle type with the two durations the order editor adds to an order's times.
struct VehicleType final {
  qint64 id = 0;
  QString name;
  int comingMinutes = 0;  // bringing the vehicle to the loading place
  int minimumMinutes = 0; // the shortest order of this type
};

NamedTable vehicleTypesTable();

class VehicleTypeRepository final {
public:
  explicit VehicleTypeRepository(Database& db) : m_db(db) {}

  Result<std::optional<VehicleType>> byName(const QString& name);
  Result<bool> nameTaken(const QString& name, qint64 exceptId = 0);
  // Both write their journal entry with the change.
  Result<qint64> create(const VehicleType& type, JournalWriter& journal);
  Result<void> update(const VehicleType& type, JournalWriter& journal);

private:
  Database& m_db;
};

} // namespace vh
