#pragma once

#include <QString>

namespace vh {

// Passwords are kept only as salted Argon2id hashes (libsodium's encoded
// form, which carries its own salt and cost parameters).
QString hashPassword(const QString& password);
// False for a wrong password and for a stored text that is not a hash.
bool verifyPassword(const QString& storedHash, const QString& password);

} // namespace vh
