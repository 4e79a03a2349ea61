#pragma once

#include <QString>

namespace vh {

class Database;

// Where a name must be unique: a table's name column, optionally only among
// the rows of one owner (the contact persons of one client).
struct NameScope final {
  QString table;
  QString column;
  QString ownerColumn; // empty: unique across the whole table
};

// Whether a row other than exceptId holds the name, letter case ignored (as
// people read names). Throws Failure; call inside attempt().
bool nameInUse(Database& db, const NameScope& scope, const QString& name, qint64 exceptId = 0, qint64 ownerId = 0);

} // namespace vh
