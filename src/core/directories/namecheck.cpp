#include "core/directories/namecheck.h"

#include "core/db/statement.h"

namespace vh {

bool nameInUse(Database& db, const NameScope& scope, const QString& name, qint64 exceptId, qint64 ownerId) {
  QString sql = QStringLiteral("SELECT count(*) FROM %1 WHERE lower(%2)=lower(:name) AND ID<>:exceptId")
                    .arg(scope.table, scope.column);
  if (!scope.ownerColumn.isEmpty())
    sql += QStringLiteral(" AND %1=:ownerId").arg(scope.ownerColumn);
  Statement q(db, sql);
  q.bind(QStringLiteral("name"), name).bind(QStringLiteral("exceptId"), exceptId);
  if (!scope.ownerColumn.isEmpty())
    q.bind(QStringLiteral("ownerId"), ownerId);
  return q.first() && q.value(0).toLongLong() > 0;
}

} // namespace vh
