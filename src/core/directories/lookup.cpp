#include "core/directories/lookup.h"

#include "core/db/statement.h"

namespace vh {

namespace {
void bindAll(Statement& statement, const QVariantMap& values) {
  for (auto it = values.cbegin(); it != values.cend(); ++it)
    statement.bind(it.key(), it.value());
}
} // namespace

QStringList readTexts(Database& db, const QString& sql, const QVariantMap& values) {
  Statement q(db, sql);
  bindAll(q, values);
  q.exec();
  QStringList out;
  while (q.next())
    out.append(q.value(0).toString());
  return out;
}

std::optional<QVariant> readValue(Database& db, const QString& sql, const QVariantMap& values) {
  Statement q(db, sql);
  bindAll(q, values);
  if (!q.first())
    return std::nullopt;
  return q.value(0);
}

std::optional<qint64> idByName(Database& db, const QString& table, const QString& column, const QString& name) {
  const auto id = readValue(db, QStringLiteral("SELECT ID FROM %1 WHERE %2=:name ORDER BY ID").arg(table, column),
                            {{QStringLiteral("name"), name}});
  if (!id)
    return std::nullopt;
  return id->toLongLong();
}

} // namespace vh
