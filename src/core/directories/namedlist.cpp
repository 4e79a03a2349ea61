#include "core/directories/namedlist.h"

#include "core/db/database.h"
#include "core/db/statement.h"
#include "core/journal/journalwriter.h"

namespace vh {

namespace {
void recordIfAny(JournalWriter* journal, const QString& action) {
  if (journal && !action.isEmpty())
    journal->record(action);
}
} // namespace

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
  return attempt([&] {
    Statement q(m_db, QStringLiteral("SELECT count(*) FROM %1 WHERE lower(%2)=lower(:name)%3")
                          .arg(m_table.table, m_table.column, listedCondition()));
    q.bind(QStringLiteral("name"), name);
    return q.first() && q.value(0).toLongLong() > 0;
  });
}

Result<qint64> NamedListRepository::insert(const QString& name, JournalWriter* journal, const QString& action) {
  return attempt([&] {
    Transaction transaction(m_db);
    Statement q(m_db, QStringLiteral("INSERT INTO %1 (%2) VALUES (:name)").arg(m_table.table, m_table.column));
    q.bind(QStringLiteral("name"), name);
    const qint64 id = q.insert();
    recordIfAny(journal, action);
    transaction.commit();
    return id;
  });
}

Result<void> NamedListRepository::rename(const QString& oldName, const QString& newName, JournalWriter* journal,
                                         const QString& action) {
  return attempt([&] {
    Transaction transaction(m_db);
    Statement q(m_db, QStringLiteral("UPDATE %1 SET %2=:newName WHERE %2=:oldName%3")
                          .arg(m_table.table, m_table.column, listedCondition()));
    q.bind(QStringLiteral("newName"), newName).bind(QStringLiteral("oldName"), oldName);
    q.exec();
    recordIfAny(journal, action);
    transaction.commit();
  });
}

Result<void> NamedListRepository::remove(const QString& name, JournalWriter* journal, const QString& action) {
  return attempt([&] {
    Transaction transaction(m_db);
    const QString sql =
        m_table.deactivateColumn.isEmpty()
            ? QStringLiteral("DELETE FROM %1 WHERE %2=:name%3").arg(m_table.table, m_table.column, listedCondition())
            : QStringLiteral("UPDATE %1 SET %4=False WHERE %2=:name%3")
                  .arg(m_table.table, m_table.column, listedCondition(), m_table.deactivateColumn);
    Statement q(m_db, sql);
    q.bind(QStringLiteral("name"), name);
    q.exec();
    recordIfAny(journal, action);
    transaction.commit();
  });
}

} // namespace vh
