#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace vh {

class Database;

// Small reads shared by the windows' repositories. They throw Failure (call
// them inside attempt()).

// The first column of every row of a statement, as texts.
QStringList readTexts(Database& db, const QString& sql, const QVariantMap& values = {});
// The first column of the first row, or nothing when no row comes back.
std::optional<QVariant> readValue(Database& db, const QString& sql, const QVariantMap& values = {});
// The ID of the first row whose name column equals name exactly, or nothing.
// table and column are the program's own identifiers, never user input.
std::optional<qint64> idByName(Database& db, const QString& table, const QString& column, const QString& name);

} // namespace vh
