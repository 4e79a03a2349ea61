#include "core/rights/passwordhash.h"

#include "core/common/result.h"

#include <sodium.h>

namespace vh {

namespace {
void ensureSodium() {
  static const int ready = sodium_init();
  if (ready < 0)
    fail(QStringLiteral("Не удалось подготовить библиотеку шифрования паролей."));
}
} // namespace

QString hashPassword(const QString& password) {
  ensureSodium();
  const QByteArray utf8 = password.toUtf8();
  char out[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(out, utf8.constData(), static_cast<unsigned long long>(utf8.size()),
                        crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
    fail(QStringLiteral("Недостаточно памяти для шифрования пароля."));
  return QString::fromLatin1(out);
}

bool verifyPassword(const QString& storedHash, const QString& password) {
  ensureSodium();
  if (storedHash.isEmpty())
    return false;
  const QByteArray hash = storedHash.toLatin1();
  if (hash.size() >= crypto_pwhash_STRBYTES)
    return false;
  const QByteArray utf8 = password.toUtf8();
  return crypto_pwhash_str_verify(hash.constData(), utf8.constData(), static_cast<unsigned long long>(utf8.size())) ==
         0;
}

} // namespace vh
