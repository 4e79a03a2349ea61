#pragma once

#include "core/common/result.h"
#include "core/register/viewsettings.h"
#include "core/rights/session.h"

#include <optional>

namespace vh {

class Database;

struct LoginOutcome final {
  Session session;
  ViewSettings view;
};

// Checks a login and password and gathers what the run needs about the user:
// the status's rights, the journal-visibility list and the register layout.
// Records "Вход в программу". Nothing of it is applied here.
class LoginService final {
public:
  explicit LoginService(Database& db) : m_db(db) {}

  // nullopt when no user has this login and password (the login ignores
  // letter case; the password does not).
  Result<std::optional<LoginOutcome>> login(const QString& login, const QString& password);

  // Sets a user's password (stored as a salted hash).
  Result<void> setPassword(qint64 userId, const QString& password);

private:
  Database& m_db;
};

} // namespace vh
