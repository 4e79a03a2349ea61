#pragma once

#include "core/common/result.h"
#include "core/directories/namedlist.h"
#include "core/rights/rights.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vh {

class Database;
class JournalWriter;

// Permission statuses and their rows in Полномочия.
class StatusRepository final {
public:
  explicit StatusRepository(Database& db) : m_db(db) {}

  static NamedTable table();
  // Names are cut to this length before they are checked and stored.
  static constexpr int kNameLength = 50;

  Result<QStringList> names();
  Result<std::optional<qint64>> idOf(const QString& name);
  // The status's rows in the order they were written.
  Result<QList<PermissionRow>> rights(qint64 statusId);
  // How many users hold the status.
  Result<qint64> holders(const QString& name);

  // Writes one row per key in one transaction: the key's existing row is
  // updated, a missing one inserted. Each kind writes only its own columns:
  // a field right both, a command right Изменение, a journal right Чтение.
  Result<void> saveRights(qint64 statusId, const QList<PermissionRow>& rows, JournalWriter& journal,
                          const QString& action);
  // Deletes the status and its rights together; users holding it keep its ID.
  Result<void> remove(const QString& name);

private:
  Database& m_db;
};

} // namespace vh
