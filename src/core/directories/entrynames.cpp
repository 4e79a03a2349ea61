#include "core/directories/entrynames.h"

#include "core/db/statement.h"

namespace vh {

namespace {
QString andListed(const NamedTable& table) {
  return table.condition.isEmpty() ? QString() : QStringLiteral(" AND ") + table.condition;
}
} // namespace

bool nameTakenByOther(Database& db, const NamedTable& table, const QString& name, qint64 exceptId) {
  Statement q(db, QStringLiteral("SELECT count(*) FROM %1 WHERE lower(%2)=lower(:name) AND ID<>:id%3")
                      .arg(table.table, table.column, andListed(table)));
  q.bind(QStringLiteral("name"), name).bind(QStringLiteral("id"), exceptId);
  return q.first() && q.value(0).toLongLong() > 0;
}

qint64 listedIdByName(Database& db, const NamedTable& table, const QString& name) {
  Statement q(db, QStringLiteral("SELECT ID FROM %1 WHERE %2=:name%3 ORDER BY ID")
                      .arg(table.table, table.column, andListed(table)));
  q.bind(QStringLiteral("name"), name);
  return q.first() ? q.value(0).toLongLong() : 0;
}

} // namespace vh
