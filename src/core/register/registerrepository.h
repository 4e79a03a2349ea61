#pragma once

#include "core/common/result.h"
#include "core/register/registerrow.h"

#include <QStringList>
#include <QVariantMap>

#include <vector>

namespace vh {

class Database;

// Extra conditions on the register statement, each a clause over the joined
// tables with its values bound by name (never spliced into the text).
struct RegisterConditions final {
  QStringList clauses;
  QVariantMap values;
};

class RegisterRepository final {
public:
  explicit RegisterRepository(Database& db) : m_db(db) {}

  // The active orders, or, with conditions, every order (archived too) that
  // meets them. One statement; an order whose directory entries were deleted
  // is listed with empty texts in their place, so no order drops out of view.
  Result<std::vector<RegisterRow>> load(const RegisterConditions* conditions = nullptr);
  // Orders not archived, in the whole database.
  Result<qint64> countActive();

private:
  Database& m_db;
};

} // namespace vh
