#pragma once

#include "core/common/result.h"
#include "core/directories/namedlist.h"

#include <QString>

#include <optional>

namespace vh {

class Database;
class JournalWriter;

struct CarrierRecord final {
  qint64 id = 0;
  QString name;
  QString phone;
  QString fax;
  QString email; // where order requests are sent
};

// The statements of the carrier editor. Its vehicles are kept by
// VehicleRepository, its managers by PersonRepository.
class CarrierRepository final {
public:
  explicit CarrierRepository(Database& db) : m_db(db) {}

  static NamedTable table();

  // The first carrier of this name.
  Result<std::optional<CarrierRecord>> find(const QString& name);
  // Whether a carrier other than exceptId has the name, letter case ignored.
  Result<bool> nameTaken(const QString& name, qint64 exceptId = 0);
  Result<qint64> insert(const CarrierRecord& carrier, JournalWriter& journal, const QString& action);
  Result<void> update(const CarrierRecord& carrier, JournalWriter& journal, const QString& action);

private:
  Database& m_db;
};

} // namespace vh
