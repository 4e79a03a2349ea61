#pragma once

#include "core/common/result.h"

#include <QString>
#include <QStringList>

namespace vh {

class Database;
class JournalWriter;

// A directory table seen through its display column: every window lists,
// finds, renames and deletes its entries by the name shown.
struct NamedTable final {
  QString table;     // "Источники"
  QString column;    // "Наименование"
  QString condition; // rows that are listed, e.g. "Активно=True"; empty for all
  // Deleting marks the row inactive through this column instead of removing it
  // (expense kinds: orders keep their amounts under the old kind).
  QString deactivateColumn;
};

// The statements shared by every directory window. Table and column names
// come from the program's own descriptions; names typed by users are bound.
// A journal action, when given, is written in the same transaction as the
// change, after it succeeded.
class NamedListRepository final {
public:
  NamedListRepository(Database& db, NamedTable table) : m_db(db), m_table(std::move(table)) {}

  Result<QStringList> names();
  // Whether an entry has this name, letter case ignored (as the users read names).
  Result<bool> exists(const QString& name);
  // An empty action writes no journal entry.
  Result<qint64> insert(const QString& name, JournalWriter& journal, const QString& action = {});
  Result<void> rename(const QString& oldName, const QString& newName, JournalWriter& journal,
                      const QString& action = {});
  Result<void> remove(const QString& name, JournalWriter& journal, const QString& action = {});

private:
  QString listedCondition() const;

  Database& m_db;
  NamedTable m_table;
};

} // namespace vh
