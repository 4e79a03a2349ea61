#pragma once

#include "core/common/result.h"
#include "core/directories/listentry.h"
#include "core/directories/namedlist.h"

#include <QList>

#include <QString>

#include <optional>

namespace vh {

class Database;
class JournalWriter;

struct UserRecord final {
  qint64 id = 0;
  QString fullName;
  QString login;
  QString status; // the status's name; empty when the status was deleted
  QString color;  // colour text, empty for white
};

// The statements of the users window and the user editor. Passwords are
// stored only as salted hashes and never read back.
class UserRepository final {
public:
  explicit UserRepository(Database& db) : m_db(db) {}

  static NamedTable table();
  static constexpr int kPasswordLength = 64;

  // Every user by full name, in the order of the names: the rows of the
  // journal rights.
  Result<QList<ListEntry>> journalUsers();
  // The first user of this full name.
  Result<std::optional<UserRecord>> find(const QString& fullName);
  // Whether a user other than exceptId has the full name or the login,
  // letter case ignored (logging in ignores it too).
  Result<bool> fullNameTaken(const QString& fullName, qint64 exceptId = 0);
  Result<bool> loginTaken(const QString& login, qint64 exceptId = 0);
  // The status is given by its name.
  Result<qint64> insert(const UserRecord& user, const QString& password, JournalWriter& journal, const QString& action);
  // The login stays as it was; an empty password keeps the stored one.
  Result<void> update(const UserRecord& user, const QString& password, JournalWriter& journal, const QString& action);
  Result<void> remove(qint64 id, JournalWriter& journal, const QString& action);

private:
  Database& m_db;
};

} // namespace vh
