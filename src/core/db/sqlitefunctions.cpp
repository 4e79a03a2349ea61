#include "core/db/sqlitefunctions.h"

#include "core/common/collation.h"
#include "core/common/result.h"

#include <QCollator>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QString>
#include <QVariant>

#include <sqlite3.h>

namespace vh {

namespace {

QString argText(sqlite3_value* value) {
  const auto* data = static_cast<const char16_t*>(sqlite3_value_text16(value));
  const int bytes = sqlite3_value_bytes16(value);
  return QString::fromUtf16(data, bytes / 2);
}

void resultText(sqlite3_context* context, const QString& text) {
  sqlite3_result_text16(context, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
}

void lowerFunction(sqlite3_context* context, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
    return sqlite3_result_null(context);
  resultText(context, argText(argv[0]).toLower());
}

void upperFunction(sqlite3_context* context, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
    return sqlite3_result_null(context);
  resultText(context, argText(argv[0]).toUpper());
}

// like(pattern, text [, escape]) as SQLite calls it for "text LIKE pattern".
void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
    return sqlite3_result_null(context);
  QChar escape;
  if (argc == 3) {
    const QString e = argText(argv[2]);
    if (e.size() != 1)
      return sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
    escape = e.at(0);
  }
  sqlite3_result_int(context, sqlLikeMatch(argText(argv[0]), argText(argv[1]), escape) ? 1 : 0);
}

int russianCollation(void* collator, int lengthA, const void* a, int lengthB, const void* b) {
  const QStringView viewA(static_cast<const char16_t*>(a), lengthA / 2);
  const QStringView viewB(static_cast<const char16_t*>(b), lengthB / 2);
  const int order = static_cast<const QCollator*>(collator)->compare(viewA, viewB);
  if (order != 0)
    return order;
  // Keep the order total: texts equal to the collator still sort apart.
  return viewA.compare(viewB);
}

void destroyCollator(void* collator) {
  delete static_cast<QCollator*>(collator);
}

} // namespace

bool sqlLikeMatch(const QString& patternIn, const QString& textIn, QChar escape) {
  const QString pattern = patternIn.toCaseFolded();
  const QString text = textIn.toCaseFolded();
  qsizetype p = 0, t = 0;
  // Where to resume after the last '%': pattern index after it and text index it matched up to.
  qsizetype starP = -1, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size()) {
      const QChar c = pattern.at(p);
      if (c == u'%') {
        starP = ++p;
        starT = t;
        continue;
      }
      if (!escape.isNull() && c == escape && p + 1 < pattern.size()) {
        if (pattern.at(p + 1) == text.at(t)) {
          p += 2;
          ++t;
          continue;
        }
      } else if (c == u'_' || c == text.at(t)) {
        ++p;
        ++t;
        continue;
      }
    }
    if (starP < 0)
      return false;
    p = starP;
    t = ++starT;
  }
  while (p < pattern.size() && pattern.at(p) == u'%')
    ++p;
  return p == pattern.size();
}

void registerSqliteFunctions(QSqlDatabase& connection) {
  const QVariant handle = connection.driver()->handle();
  if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
    fail(QStringLiteral("Драйвер SQLite не предоставил соединение."));
  sqlite3* db = *static_cast<sqlite3* const*>(handle.data());
  if (!db)
    fail(QStringLiteral("Соединение с базой данных не открыто."));

  const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  int rc = sqlite3_create_function(db, "lower", 1, flags, nullptr, lowerFunction, nullptr, nullptr);
  if (rc == SQLITE_OK)
    rc = sqlite3_create_function(db, "upper", 1, flags, nullptr, upperFunction, nullptr, nullptr);
  if (rc == SQLITE_OK)
    rc = sqlite3_create_function(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr);
  if (rc == SQLITE_OK)
    rc = sqlite3_create_function(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr);
  if (rc == SQLITE_OK) {
    auto* collator = new QCollator(namesCollator());
    rc = sqlite3_create_collation_v2(db, "ru", SQLITE_UTF16, collator, russianCollation, destroyCollator);
  }
  if (rc != SQLITE_OK)
    fail(QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace vh
