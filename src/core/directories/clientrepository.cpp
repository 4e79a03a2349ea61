#include "core/directories/clientrepository.h"

#include "core/db/statement.h"
#include "core/directories/lookup.h"
#include "core/directories/namecheck.h"
#include "core/journal/journalled.h"

namespace vh {

NamedTable ClientRepository::table() {
  return {QStringLiteral("Клиенты"), QStringLiteral("Организация"), {}, {}};
}

Result<QStringList> ClientRepository::groupNames() {
  return attempt([&] { return readTexts(m_db, QStringLiteral("SELECT Наименование FROM Группы")); });
}

Result<std::optional<ClientRecord>> ClientRepository::find(const QString& organization) {
  return attempt([&]() -> std::optional<ClientRecord> {
    Statement q(m_db, QStringLiteral("SELECT Клиенты.ID, Организация, Контакты, Группы.Наименование AS Группа "
                                     "FROM Клиенты LEFT JOIN Группы ON Группы.ID=Клиенты.Группа_ID "
                                     "WHERE Организация=:Организация ORDER BY Клиенты.ID"));
    q.bind(QStringLiteral("Организация"), organization);
    if (!q.first())
      return std::nullopt;
    return ClientRecord{q.integer(QStringLiteral("ID")), q.text(QStringLiteral("Организация")),
                        q.text(QStringLiteral("Группа")), q.text(QStringLiteral("Контакты"))};
  });
}

Result<bool> ClientRepository::nameTaken(const QString& organization, qint64 exceptId) {
  return attempt([&] { return nameInUse(m_db, scopeOf(table()), organization, exceptId); });
}

Result<qint64> ClientRepository::insertName(const QString& organization, JournalWriter& journal,
                                            const QString& action) {
  return journalled(m_db, journal, action, [&] {
    Statement q(m_db, QStringLiteral("INSERT INTO Клиенты (Организация) VALUES (:Организация)"));
    q.bind(QStringLiteral("Организация"), organization);
    return q.insert();
  });
}

Result<void> ClientRepository::update(const ClientRecord& client, JournalWriter& journal, const QString& action) {
  return journalled(m_db, journal, action, [&] {
    const auto groupId = idByName(m_db, QStringLiteral("Группы"), QStringLiteral("Наименование"), client.group);
    if (!groupId)
      fail(QStringLiteral("Группа «%1» больше не существует.").arg(client.group));
    Statement q(m_db, QStringLiteral("UPDATE Клиенты SET Организация=:Организация, Группа_ID=:Группа_ID, "
                                     "Контакты=:Контакты WHERE ID=:ID"));
    q.bind(QStringLiteral("Организация"), client.organization)
        .bind(QStringLiteral("Группа_ID"), *groupId)
        .bind(QStringLiteral("Контакты"), client.contacts)
        .bind(QStringLiteral("ID"), client.id);
    q.exec();
  });
}

} // namespace vh
