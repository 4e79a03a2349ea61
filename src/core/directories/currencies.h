#pragma once

#include "core/common/result.h"
#include "core/directories/namedlist.h"

#include <QStringList>

#include <optional>

namespace vh {

class Database;
class JournalWriter;

// What a currency needs beyond its name: the letter code under which the
// daily rates document quotes it, and the language file for amounts in words.
struct CurrencyProperties final {
  qint64 id = 0;
  QString name;
  QString code;     // "USD"; empty for the rouble, whose rate is always 1
  QString language; // "usd.lng", a file of languageFolder()
};

NamedTable currenciesTable();

// Where the language files shipped with the program are found.
QString languageFolder();
// The shipped language files' names, in alphabetical order.
QStringList languageFiles();
// A code is empty or three Latin letters.
bool isCurrencyCode(const QString& code);

class CurrencyRepository final {
public:
  explicit CurrencyRepository(Database& db) : m_db(db) {}

  Result<std::optional<CurrencyProperties>> byName(const QString& name);
  // Stores code and language under the currency's ID with a journal entry. A
  // new code drops the rate kept for the old one, so that no amount is ever
  // converted at another currency's rate.
  Result<void> setProperties(const CurrencyProperties& properties, JournalWriter& journal);

private:
  Database& m_db;
};

} // namespace vh
