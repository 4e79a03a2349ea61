#include "core/rights/userrepository.h"

#include "core/db/statement.h"
#include "core/directories/lookup.h"
#include "core/directories/namecheck.h"
#include "core/journal/journalled.h"
#include "core/rights/passwordhash.h"

namespace vh {

namespace {
qint64 statusIdOf(Database& db, const QString& status) {
  const auto id = idByName(db, QStringLiteral("Статусы"), QStringLiteral("Название"), status);
  if (!id)
    fail(QStringLiteral("Статус «%1» больше не существует.").arg(status));
  return *id;
}
} // namespace

NamedTable UserRepository::table() {
  return {QStringLiteral("Пользователи"), QStringLiteral("ФИО"), {}, {}};
}

Result<QList<ListEntry>> UserRepository::journalUsers() {
  return attempt([&] {
    Statement q(m_db, QStringLiteral("SELECT ID, ФИО FROM Пользователи ORDER BY ФИО COLLATE ru, ID"));
    q.exec();
    QList<ListEntry> users;
    while (q.next())
      users.append({q.integer(QStringLiteral("ID")), q.text(QStringLiteral("ФИО"))});
    return users;
  });
}

Result<std::optional<UserRecord>> UserRepository::find(const QString& fullName) {
  return attempt([&]() -> std::optional<UserRecord> {
    Statement q(m_db, QStringLiteral("SELECT Пользователи.ID, ФИО, Логин, Цвет, Статусы.Название AS Статус "
                                     "FROM Пользователи LEFT JOIN Статусы ON Статусы.ID=Пользователи.Status_ID "
                                     "WHERE ФИО=:ФИО ORDER BY Пользователи.ID"));
    q.bind(QStringLiteral("ФИО"), fullName);
    if (!q.first())
      return std::nullopt;
    return UserRecord{q.integer(QStringLiteral("ID")), q.text(QStringLiteral("ФИО")), q.text(QStringLiteral("Логин")),
                      q.text(QStringLiteral("Статус")), q.text(QStringLiteral("Цвет"))};
  });
}

Result<bool> UserRepository::fullNameTaken(const QString& fullName, qint64 exceptId) {
  return attempt([&] { return nameInUse(m_db, scopeOf(table()), fullName, exceptId); });
}

Result<bool> UserRepository::loginTaken(const QString& login, qint64 exceptId) {
  return attempt([&] { return nameInUse(m_db, {table().table, QStringLiteral("Логин"), {}, {}}, login, exceptId); });
}

Result<qint64> UserRepository::insert(const UserRecord& user, const QString& password, JournalWriter& journal,
                                      const QString& action) {
  return journalled(m_db, journal, action, [&] {
    Statement q(m_db, QStringLiteral("INSERT INTO Пользователи (ФИО, Логин, Пароль, Status_ID, Цвет) "
                                     "VALUES (:ФИО, :Логин, :Пароль, :Status_ID, :Цвет)"));
    q.bind(QStringLiteral("ФИО"), user.fullName)
        .bind(QStringLiteral("Логин"), user.login)
        .bind(QStringLiteral("Пароль"), hashPassword(password))
        .bind(QStringLiteral("Status_ID"), statusIdOf(m_db, user.status))
        .bind(QStringLiteral("Цвет"), user.color);
    return q.insert();
  });
}

Result<void> UserRepository::update(const UserRecord& user, const QString& password, JournalWriter& journal,
                                    const QString& action) {
  return journalled(m_db, journal, action, [&] {
    const bool newPassword = !password.isEmpty();
    Statement q(m_db,
                QStringLiteral("UPDATE Пользователи SET ФИО=:ФИО, Status_ID=:Status_ID, Цвет=:Цвет%1 WHERE ID=:ID")
                    .arg(newPassword ? QStringLiteral(", Пароль=:Пароль") : QString()));
    q.bind(QStringLiteral("ФИО"), user.fullName)
        .bind(QStringLiteral("Status_ID"), statusIdOf(m_db, user.status))
        .bind(QStringLiteral("Цвет"), user.color)
        .bind(QStringLiteral("ID"), user.id);
    if (newPassword)
      q.bind(QStringLiteral("Пароль"), hashPassword(password));
    q.exec();
  });
}

Result<void> UserRepository::remove(qint64 id, JournalWriter& journal, const QString& action) {
  return removeRow(m_db, table().table, id, journal, action);
}

} // namespace vh
