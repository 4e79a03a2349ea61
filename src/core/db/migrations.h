#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vh {

struct Migration final {
  int version = 0;
  QString name;
  QStringList statements;
};

// The numbered migrations in a resource folder ("0001_schema.sql", ...), in
// order. Each file is split into single statements, since the drivers run one
// statement per call.
QList<Migration> loadMigrations(const QString& folder);

// Splits a script at semicolons outside quotes and comments; drops empty pieces.
QStringList splitSqlScript(const QString& script);

} // namespace vh
