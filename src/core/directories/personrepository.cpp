#include "core/directories/personrepository.h"

#include "core/db/statement.h"
#include "core/journal/journalled.h"

namespace vh {

PersonTable PersonTable::contactPersons() {
  return {QStringLiteral("Заказчики"), QStringLiteral("Клиент_ID"), QStringLiteral("ФИО"), true};
}

PersonTable PersonTable::drivers() {
  return {QStringLiteral("Водители"), QStringLiteral("Авто_ID"), QStringLiteral("Водитель"), true};
}

PersonTable PersonTable::managers() {
  return {QStringLiteral("Менеджеры"), QStringLiteral("Исполнитель_ID"), QStringLiteral("Менеджер"), false};
}

Result<QList<ListEntry>> PersonRepository::names(qint64 ownerId) {
  return attempt([&] {
    Statement q(m_db, QStringLiteral("SELECT ID, %1 FROM %2 WHERE %3=:owner ORDER BY ID")
                          .arg(m_table.nameColumn, m_table.table, m_table.ownerColumn));
    q.bind(QStringLiteral("owner"), ownerId);
    q.exec();
    QList<ListEntry> out;
    while (q.next())
      out.append({q.integer(QStringLiteral("ID")), q.text(m_table.nameColumn)});
    return out;
  });
}

Result<std::optional<PersonEntry>> PersonRepository::find(qint64 id) {
  return attempt([&]() -> std::optional<PersonEntry> {
    Statement q(m_db,
                QStringLiteral("SELECT ID, %1, Телефон FROM %2 WHERE ID=:id").arg(m_table.nameColumn, m_table.table));
    q.bind(QStringLiteral("id"), id);
    if (!q.first())
      return std::nullopt;
    return PersonEntry{q.integer(QStringLiteral("ID")), q.text(m_table.nameColumn), q.text(QStringLiteral("Телефон"))};
  });
}

Result<bool> PersonRepository::nameTaken(qint64 ownerId, const QString& name, qint64 exceptId) {
  return attempt([&] {
    const NameScope scope{
        m_table.table, m_table.nameColumn, m_table.uniquePerOwner ? m_table.ownerColumn : QString(), {}};
    return nameInUse(m_db, scope, name, exceptId, ownerId);
  });
}

Result<qint64> PersonRepository::insert(qint64 ownerId, const PersonEntry& person, JournalWriter& journal,
                                        const QString& action) {
  return journalled(m_db, journal, action, [&] {
    Statement q(m_db, QStringLiteral("INSERT INTO %1 (%2, %3, Телефон) VALUES (:owner, :name, :Телефон)")
                          .arg(m_table.table, m_table.ownerColumn, m_table.nameColumn));
    q.bind(QStringLiteral("owner"), ownerId)
        .bind(QStringLiteral("name"), person.name)
        .bind(QStringLiteral("Телефон"), person.phone);
    return q.insert();
  });
}

Result<void> PersonRepository::update(const PersonEntry& person, JournalWriter& journal, const QString& action) {
  return journalled(m_db, journal, action, [&] {
    Statement q(
        m_db,
        QStringLiteral("UPDATE %1 SET %2=:name, Телефон=:Телефон WHERE ID=:id").arg(m_table.table, m_table.nameColumn));
    q.bind(QStringLiteral("name"), person.name)
        .bind(QStringLiteral("Телефон"), person.phone)
        .bind(QStringLiteral("id"), person.id);
    q.exec();
  });
}

Result<void> PersonRepository::remove(qint64 id, JournalWriter& journal, const QString& action) {
  return removeRow(m_db, m_table.table, id, journal, action);
}

} // namespace vh
