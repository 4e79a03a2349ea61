#pragma once

#include <QString>

class QSqlDatabase;

namespace vh {

// SQLite's own lower(), upper() and LIKE fold only ASCII letters, so a search
// for "иванов" would miss "Иванов". This replaces them on the connection with
// Unicode-aware versions and adds the collation "ru" for Russian ordering.
void registerSqliteFunctions(QSqlDatabase& connection);

// The LIKE matcher used by the connection, exposed for tests: '%' any run,
// '_' one character, escape makes the next character literal; letter case is
// ignored for every alphabet.
bool sqlLikeMatch(const QString& pattern, const QString& text, QChar escape = QChar());

} // namespace vh
