#pragma once

#include "core/db/dialect.h"

namespace vh {

// The embedded SQLite file. Dates are stored as ISO-8601 text with a blank
// between date and time, the form SQLite's own date functions and defaults use,
// so that text comparison orders them chronologically.
class SqliteDialect final : public Dialect {
public:
  QString driverName() const override { return QStringLiteral("QSQLITE"); }
  QString migrationsFolder() const override { return QStringLiteral(":/schema/sqlite"); }
  QString beginWriteTransaction() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
  void prepareConnection(QSqlDatabase& connection) const override;
  QVariant toEngine(const QVariant& value) const override;
  bool insertReturnsId() const override { return false; }

  static QString formatDateTime(const QDateTime& value);
};

} // namespace vh
