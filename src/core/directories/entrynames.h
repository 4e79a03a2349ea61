#pragma once

#include "core/directories/namedlist.h"

namespace vh {

class Database;

// Whether a listed row other than exceptId already carries this name, letter
// case ignored: directories whose rows are found by name keep names unique,
// or one of two equal entries could never be opened again. Throws Failure
// (call inside attempt()).
bool nameTakenByOther(Database& db, const NamedTable& table, const QString& name, qint64 exceptId);

// The ID of the first listed row with exactly this name, or 0 when none is.
qint64 listedIdByName(Database& db, const NamedTable& table, const QString& name);

} // namespace vh
