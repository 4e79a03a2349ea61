#include "core/directories/dispatchers.h"

#include "core/db/statement.h"
#include "core/directories/namecheck.h"
#include "core/journal/journalled.h"

namespace vh {

NamedTable dispatchersTable() {
  return {QStringLiteral("Диспетчеры"), QStringLiteral("ФИО"), {}, {}};
}

Result<std::optional<Dispatcher>> DispatcherRepository::byName(const QString& name) {
  return attempt([&]() -> std::optional<Dispatcher> {
    Statement q(m_db, QStringLiteral("SELECT ID, ФИО, Контакты FROM Диспетчеры WHERE ФИО=:ФИО ORDER BY ID"));
    q.bind(QStringLiteral("ФИО"), name);
    if (!q.first())
      return std::nullopt;
    return Dispatcher{q.integer(QStringLiteral("ID")), q.text(QStringLiteral("ФИО")),
                      q.text(QStringLiteral("Контакты"))};
  });
}

Result<bool> DispatcherRepository::nameTaken(const QString& name, qint64 exceptId) {
  return attempt([&] { return nameInUse(m_db, scopeOf(dispatchersTable()), name, exceptId); });
}

Result<qint64> DispatcherRepository::create(const Dispatcher& dispatcher, JournalWriter& journal) {
  return journalled(m_db, journal, QStringLiteral("Создание диспетчера ") + dispatcher.name, [&] {
    Statement q(m_db, QStringLiteral("INSERT INTO Диспетчеры (ФИО, Контакты) VALUES (:ФИО, :Контакты)"));
    q.bind(QStringLiteral("ФИО"), dispatcher.name).bind(QStringLiteral("Контакты"), dispatcher.contacts);
    return q.insert();
  });
}

Result<void> DispatcherRepository::update(const Dispatcher& dispatcher, JournalWriter& journal) {
  return journalled(m_db, journal, QStringLiteral("Редактирование диспетчера ") + dispatcher.name, [&] {
    Statement q(m_db, QStringLiteral("UPDATE Диспетчеры SET ФИО=:ФИО, Контакты=:Контакты WHERE ID=:ID"));
    q.bind(QStringLiteral("ФИО"), dispatcher.name)
        .bind(QStringLiteral("Контакты"), dispatcher.contacts)
        .bind(QStringLiteral("ID"), dispatcher.id);
    q.exec();
  });
}

} // namespace vh
