#pragma once

#include "core/common/result.h"
#include "core/directories/namedlist.h"

#include <optional>

namespace vh {

class Database;
class JournalWriter;

// An outside dispatcher who brings orders, with how to reach him.
struct Dispatcher final {
  qint64 id = 0;
  QString name;
  QString contacts;
};

NamedTable dispatchersTable();

class DispatcherRepository final {
public:
  explicit DispatcherRepository(Database& db) : m_db(db) {}

  Result<std::optional<Dispatcher>> byName(const QString& name);
  Result<bool> nameTaken(const QString& name, qint64 exceptId = 0);
  // Both write their journal entry with the change.
  Result<qint64> create(const Dispatcher& dispatcher, JournalWriter& journal);
  Result<void> update(const Dispatcher& dispatcher, JournalWriter& journal);

private:
  Database& m_db;
};

} // namespace vh
