#pragma once

#include "core/common/result.h"
#include "core/directories/namedlist.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vh {

class Database;
class JournalWriter;

struct ClientRecord final {
  qint64 id = 0;
  QString organization;
  QString group; // empty when the client has none yet or its group was deleted
  QString contacts;
};

// The statements of the client editor. Contact persons are kept by
// PersonRepository.
class ClientRepository final {
public:
  explicit ClientRepository(Database& db) : m_db(db) {}

  static NamedTable table();

  Result<QStringList> groupNames();
  // The first client of this name.
  Result<std::optional<ClientRecord>> find(const QString& organization);
  // Whether a client other than exceptId has the name, letter case ignored.
  Result<bool> nameTaken(const QString& organization, qint64 exceptId = 0);
  // Stores a client with its name only: its first contact person needs an owner.
  Result<qint64> insertName(const QString& organization, JournalWriter& journal, const QString& action);
  // Writes name, group (by its name) and details of an existing client.
  Result<void> update(const ClientRecord& client, JournalWriter& journal, const QString& action);

private:
  Database& m_db;
};

} // namespace vh
