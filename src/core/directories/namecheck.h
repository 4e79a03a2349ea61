#pragma once

#include "core/directories/namedlist.h"

#include <QString>

namespace vh {

class Database;

// Where a name must be unique: a table's name column, optionally only among
// the rows of one owner (the contact persons of one client) or only among
// the listed rows (active tariffs).
struct NameScope final {
  QString table;
  QString column;
  QString ownerColumn; // empty: unique across the whole table
  QString condition;   // empty: every row counts
};

// The rows a directory lists make its names' scope.
inline NameScope scopeOf(const NamedTable& table) {
  return {table.table, table.column, {}, table.condition};
}

// Whether a row other than exceptId holds the name, letter case ignored (as
// people read names): directories whose rows are found by name keep names
// unique, or one of two equal entries could never be opened again. Throws
// Failure; call inside attempt().
bool nameInUse(Database& db, const NameScope& scope, const QString& name, qint64 exceptId = 0, qint64 ownerId = 0);

// The ID of the first listed row with exactly this name, or 0 when none is.
qint64 listedIdByName(Database& db, const NamedTable& table, const QString& name);

} // namespace vh
