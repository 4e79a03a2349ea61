#include "core/db/sqlitedialect.h"

#include "core/common/result.h"
#include "core/db/sqlitefunctions.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace vh {

void SqliteDialect::prepareConnection(QSqlDatabase& connection) const {
  registerSqliteFunctions(connection);
  QSqlQuery query(connection);
  // WAL lets a reader and a writer work at once (two copies of the program on a
  // shared folder); foreign keys stay off because directory rows are deleted
  // without touching the orders that name them.
  for (const char* pragma : {"PRAGMA foreign_keys=OFF", "PRAGMA journal_mode=WAL"}) {
    if (!query.exec(QLatin1String(pragma)))
      fail(query.lastError().databaseText().isEmpty() ? query.lastError().text() : query.lastError().databaseText());
  }
}

QString SqliteDialect::formatDateTime(const QDateTime& value) {
  return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QVariant SqliteDialect::toEngine(const QVariant& value) const {
  switch (value.metaType().id()) {
  case QMetaType::QDateTime:
    return value.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(formatDateTime(value.toDateTime()));
  case QMetaType::QDate:
    return value.isNull() ? QVariant(QMetaType(QMetaType::QString))
                          : QVariant(formatDateTime(value.toDate().startOfDay()));
  case QMetaType::Bool: return value.isNull() ? QVariant(QMetaType(QMetaType::Int)) : QVariant(value.toBool() ? 1 : 0);
  default: return value;
  }
}

} // namespace vh
