#pragma once

#include "core/common/result.h"
#include "core/directories/namedlist.h"

#include <optional>

namespace vh {

class Database;
class JournalWriter;

// One of the forwarder's own firms, on whose behalf documents are issued.
struct Firm final {
  qint64 id = 0;
  QString name;
  QString phones;
  QString bankDetails; // several lines, printed one by one on the invoice
  bool isDefault = false;
};

NamedTable firmsTable();

class FirmRepository final {
public:
  explicit FirmRepository(Database& db) : m_db(db) {}

  Result<std::optional<Firm>> byName(const QString& name);
  // Both write their journal entry with the change; the default mark is left as it is.
  Result<qint64> create(const Firm& firm, JournalWriter& journal);
  // Stores the firm's fields under its ID; the journal names the firm as it was called before.
  Result<void> update(const Firm& firm, const QString& oldName, JournalWriter& journal);
  // Makes the firm of this name the only default one; an error when no firm has the name.
  Result<void> setDefault(const QString& name);

private:
  Database& m_db;
};

} // namespace vh
