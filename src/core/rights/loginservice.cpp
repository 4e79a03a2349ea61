#include "core/rights/loginservice.h"

#include "core/db/statement.h"
#include "core/journal/journalwriter.h"
#include "core/rights/passwordhash.h"

namespace vh {

Result<std::optional<LoginOutcome>> LoginService::login(const QString& login, const QString& password) {
  return attempt([&]() -> std::optional<LoginOutcome> {
    Statement users(m_db, QStringLiteral("SELECT ID, ФИО, Пароль, Status_ID FROM Пользователи "
                                         "WHERE lower(Логин)=lower(:Логин) ORDER BY ID"));
    users.bind(QStringLiteral("Логин"), login);
    users.exec();
    std::optional<LoginOutcome> outcome;
    while (users.next()) {
      if (!verifyPassword(users.text(QStringLiteral("Пароль")), password))
        continue;
      outcome.emplace();
      CurrentUser& user = outcome->session.user;
      user.id = users.integer(QStringLiteral("ID"));
      user.login = login;
      user.fullName = users.text(QStringLiteral("ФИО"));
      user.statusId = users.integer(QStringLiteral("Status_ID"));
      break;
    }
    if (!outcome)
      return std::nullopt;

    Session& session = outcome->session;
    Statement rights(m_db, QStringLiteral("SELECT Поле, Чтение, Изменение FROM Полномочия "
                                          "WHERE Status_ID=:Status_ID ORDER BY ID"));
    rights.bind(QStringLiteral("Status_ID"), session.user.statusId);
    rights.exec();
    QList<PermissionRow> rows;
    while (rights.next()) {
      rows.append({rights.text(QStringLiteral("Поле")), rights.boolean(QStringLiteral("Чтение")),
                   rights.boolean(QStringLiteral("Изменение"))});
    }
    session.rights = Rights(rows);
    session.journalUserIds = session.rights.journalUserIds();
    session.journalUserIds.removeAll(session.user.id);
    session.journalUserIds.append(session.user.id);

    const Result<ViewSettings> view = ViewSettingsRepository(m_db).load(session.user.id);
    if (!view)
      throw Failure{view.error()};
    outcome->view = *view;

    JournalWriter(m_db, session.user.login).record(QStringLiteral("Вход в программу"));
    return outcome;
  });
}

Result<void> LoginService::setPassword(qint64 userId, const QString& password) {
  return attempt([&] {
    Statement update(m_db, QStringLiteral("UPDATE Пользователи SET Пароль=:Пароль WHERE ID=:ID"));
    update.bind(QStringLiteral("Пароль"), hashPassword(password)).bind(QStringLiteral("ID"), userId);
    update.exec();
    if (update.rowsAffected() != 1)
      fail(QStringLiteral("Пользователь не найден."));
  });
}

} // namespace vh
