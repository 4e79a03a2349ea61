#pragma once

#include "core/common/result.h"
#include "core/db/database.h"
#include "core/db/statement.h"
#include "core/journal/journalwriter.h"

#include <type_traits>

namespace vh {

// Runs a change and its journal entry in one transaction: the entry is
// written only after the change succeeded, and a failed entry undoes the
// change. An empty action writes no entry.
template <typename Fn>
auto journalled(Database& db, JournalWriter& journal, const QString& action, Fn&& change)
    -> Result<decltype(change())> {
  return attempt([&] {
    Transaction transaction(db);
    if constexpr (std::is_void_v<decltype(change())>) {
      change();
      if (!action.isEmpty())
        journal.record(action);
      transaction.commit();
    } else {
      auto value = change();
      if (!action.isEmpty())
        journal.record(action);
      transaction.commit();
      return value;
    }
  });
}

// Deletes one row by its ID, with its journal entry. table is the program's
// own identifier.
inline Result<void> removeRow(Database& db, const QString& table, qint64 id, JournalWriter& journal,
                              const QString& action) {
  return journalled(db, journal, action, [&] {
    Statement q(db, QStringLiteral("DELETE FROM %1 WHERE ID=:ID").arg(table));
    q.bind(QStringLiteral("ID"), id);
    q.exec();
  });
}

} // namespace vh
