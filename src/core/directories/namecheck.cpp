#include "core/directories/namecheck.h"

#include "core/db/statement.h"

namespace vh {

namespace {
QString andCondition(const QString& condition) {
  return condition.isEmpty() ? QString() : QStringLiteral(" AND ") + condition;
}
} // namespace

bool nameInUse(Database& db, const NameScope& scope, const QString& name, qint64 exceptId, qint64 ownerId) {
  QString sql = QStringLiteral("SELECT count(*) FROM %1 WHERE lower(%2)=lower(:name) AND ID<>:exceptId")
                    .arg(scope.table, scope.column);
  if (!scope.ownerColumn.isEmpty())
    sql += QStringLiteral(" AND %1=:ownerId").arg(scope.ownerColumn);
  sql += andCondition(scope.condition);
  Statement q(db, sql);
  q.bind(QStringLiteral("name"), name).bind(QStringLiteral("exceptId"), exceptId);
  if (!scope.ownerColumn.isEmpty())
    q.bind(QStringLiteral("ownerId"), ownerId);
  return q.first() && q.value(0).toLongLong() > 0;
}

qint64 listedIdByName(Database& db, const NamedTable& table, const QString& name) {
  Statement q(db, QStringLiteral("SELECT ID FROM %1 WHERE %2=:name%3 ORDER BY ID")
                      .arg(table.table, table.column, andCondition(table.condition)));
  q.bind(QStringLiteral("name"), name);
  return q.first() ? q.value(0).toLongLong() : 0;
}

} // namespace vh
