#include "core/rights/statusrepository.h"

#include "core/db/statement.h"
#include "core/directories/lookup.h"
#include "core/journal/journalled.h"
#include "core/rights/permissioncatalogue.h"

namespace vh {

NamedTable StatusRepository::table() {
  return {QStringLiteral("Статусы"), QStringLiteral("Название"), {}, {}};
}

Result<QStringList> StatusRepository::names() {
  return NamedListRepository(m_db, table()).names();
}

Result<std::optional<qint64>> StatusRepository::idOf(const QString& name) {
  return attempt([&] { return idByName(m_db, table().table, table().column, name); });
}

Result<QList<PermissionRow>> StatusRepository::rights(qint64 statusId) {
  return attempt([&] {
    Statement q(m_db, QStringLiteral("SELECT Поле, Чтение, Изменение FROM Полномочия WHERE Status_ID=:Status_ID "
                                     "ORDER BY ID"));
    q.bind(QStringLiteral("Status_ID"), statusId);
    q.exec();
    QList<PermissionRow> rows;
    while (q.next()) {
      rows.append({q.text(QStringLiteral("Поле")), q.boolean(QStringLiteral("Чтение")),
                   q.boolean(QStringLiteral("Изменение"))});
    }
    return rows;
  });
}

Result<qint64> StatusRepository::holders(const QString& name) {
  return attempt([&] {
    const auto count = readValue(m_db,
                                 QStringLiteral("SELECT count(*) FROM Пользователи WHERE Status_ID IN "
                                                "(SELECT ID FROM Статусы WHERE Название=:Название)"),
                                 {{QStringLiteral("Название"), name}});
    return count ? count->toLongLong() : 0;
  });
}

Result<void> StatusRepository::saveRights(qint64 statusId, const QList<PermissionRow>& rows, JournalWriter& journal,
                                          const QString& action) {
  return journalled(m_db, journal, action, [&] {
    for (const PermissionRow& row : rows) {
      const bool present =
          readValue(m_db, QStringLiteral("SELECT ID FROM Полномочия WHERE Status_ID=:Status_ID AND Поле=:Поле"),
                    {{QStringLiteral("Status_ID"), statusId}, {QStringLiteral("Поле"), row.key}})
              .has_value();
      QString sql;
      switch (permissionKind(row.key)) {
      case PermissionKind::Field:
        sql = present ? QStringLiteral("UPDATE Полномочия SET Чтение=:Чтение, Изменение=:Изменение "
                                       "WHERE Status_ID=:Status_ID AND Поле=:Поле")
                      : QStringLiteral("INSERT INTO Полномочия (Status_ID, Поле, Чтение, Изменение) "
                                       "VALUES (:Status_ID, :Поле, :Чтение, :Изменение)");
        break;
      case PermissionKind::Command:
        sql =
            present
                ? QStringLiteral("UPDATE Полномочия SET Изменение=:Изменение WHERE Status_ID=:Status_ID AND Поле=:Поле")
                : QStringLiteral("INSERT INTO Полномочия (Status_ID, Поле, Изменение) "
                                 "VALUES (:Status_ID, :Поле, :Изменение)");
        break;
      case PermissionKind::Journal:
        sql = present ? QStringLiteral("UPDATE Полномочия SET Чтение=:Чтение WHERE Status_ID=:Status_ID AND Поле=:Поле")
                      : QStringLiteral(
                            "INSERT INTO Полномочия (Status_ID, Поле, Чтение) VALUES (:Status_ID, :Поле, :Чтение)");
        break;
      }
      Statement write(m_db, sql);
      write.bind(QStringLiteral("Status_ID"), statusId)
          .bind(QStringLiteral("Поле"), row.key)
          .bind(QStringLiteral("Чтение"), row.read)
          .bind(QStringLiteral("Изменение"), row.change);
      write.exec();
    }
  });
}

Result<void> StatusRepository::remove(const QString& name) {
  return attempt([&] {
    Transaction transaction(m_db);
    const auto id = idByName(m_db, table().table, table().column, name);
    if (id) {
      for (const QString& sql : {QStringLiteral("DELETE FROM Полномочия WHERE Status_ID=:ID"),
                                 QStringLiteral("DELETE FROM Статусы WHERE ID=:ID")}) {
        Statement q(m_db, sql);
        q.bind(QStringLiteral("ID"), *id);
        q.exec();
      }
    }
    transaction.commit();
  });
}

} // namespace vh
