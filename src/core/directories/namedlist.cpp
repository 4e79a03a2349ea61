#include "core/directories/namedlist.h"

#include "core/db/database.h"
#include "core/db/statement.h"
#include "core/directories/namecheck.h"
#include "core/journal/journalled.h"

namespace vh {

QString NamedListRepository::listedCondition() const {
  return m_table.condition.isEmpty() ? QString() : QStringLiteral(" AND ") + m_table.condition;
}

Result<QStringList> NamedListRepository::names() {
  return attempt([&] {
    Statement q(m_db,
                QStringLiteral("SELECT %1 FROM %2%3")
                    .arg(m_table.column, m_table.table,
                         m_table.condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + m_table.condition));
    q.exec();
    QStringList names;
    while (q.next())
      names.append(q.value(0).toString());
    return names;
  });
}

Result<bool> NamedListRepository::exists(const QString& name) {
  return attempt([&] { return nameInUse(m_db, scopeOf(m_table), name); });
}

Result<qint64> NamedListRepository::insert(const QString& name, JournalWriter& journal, const QString& action) {
  return journalled(m_db, journal, action, [&] {
    Statement q(m_db, QStringLiteral("INSERT INTO %1 (%2) VALUES (:name)").arg(m_table.table, m_table.column));
    q.bind(QStringLiteral("name"), name);
    return q.insert();
  });
}

Result<void> NamedListRepository::rename(const QString& oldName, const QString& newName, JournalWriter& journal,
                                         const QString& action) {
  return journalled(m_db, journal, action, [&] {
    Statement q(m_db, QStringLiteral("UPDATE %1 SET %2=:newName WHERE %2=:oldName%3")
                          .arg(m_table.table, m_table.column, listedCondition()));
    q.bind(QStringLiteral("newName"), newName).bind(QStringLiteral("oldName"), oldName);
    q.exec();
  });
}

Result<void> NamedListRepository::remove(const QString& name, JournalWriter& journal, const QString& action) {
  return journalled(m_db, journal, action, [&] {
    const QString sql =
        m_table.deactivateColumn.isEmpty()
            ? QStringLiteral("DELETE FROM %1 WHERE %2=:name%3").arg(m_table.table, m_table.column, listedCondition())
            : QStringLiteral("UPDATE %1 SET %4=False WHERE %2=:name%3")
                  .arg(m_table.table, m_table.column, listedCondition(), m_table.deactivateColumn);
    Statement q(m_db, sql);
    q.bind(QStringLiteral("name"), name);
    q.exec();
  });
}

} // namespace vh
