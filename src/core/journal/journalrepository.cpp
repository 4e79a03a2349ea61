#include "core/journal/journalrepository.h"

#include "core/db/statement.h"

namespace vh {

Result<std::pair<std::optional<QDateTime>, std::optional<QDateTime>>> JournalRepository::period() {
  return attempt([&] {
    Statement q(m_db, QStringLiteral("SELECT Min(ДатаВремя) AS Начало, Max(ДатаВремя) AS Конец FROM Протокол"));
    std::pair<std::optional<QDateTime>, std::optional<QDateTime>> out;
    if (q.first() && !q.isNull(QStringLiteral("Начало"))) {
      out.first = q.dateTime(QStringLiteral("Начало"));
      out.second = q.dateTime(QStringLiteral("Конец"));
    }
    return out;
  });
}

Result<QStringList> JournalRepository::loginsOf(const QList<qint64>& userIds) {
  return attempt([&] {
    QStringList logins;
    Statement q(m_db, QStringLiteral("SELECT Логин FROM Пользователи WHERE ID=:ID"));
    for (const qint64 id : userIds) {
      q.bind(QStringLiteral("ID"), id);
      if (q.first() && !logins.contains(q.text(QStringLiteral("Логин"))))
        logins.append(q.text(QStringLiteral("Логин")));
    }
    return logins;
  });
}

Result<QList<JournalEntry>> JournalRepository::entries(const QStringList& logins,
                                                       const std::optional<JournalFilter>& filter) {
  return attempt([&] {
    QList<JournalEntry> out;
    if (logins.isEmpty())
      return out;
    // One generated parameter per login: the logins themselves are only ever bound.
    QStringList placeholders;
    for (int i = 0; i < logins.size(); ++i)
      placeholders.append(QStringLiteral("lower(:login%1)").arg(i));
    // Logins are matched regardless of letter case, as at login, where the
    // login is recorded as the user typed it.
    QString sql = QStringLiteral("SELECT ID, ДатаВремя, Логин, Действие FROM Протокол WHERE lower(Логин) IN (%1)")
                      .arg(placeholders.join(QStringLiteral(", ")));
    if (filter) {
      sql += QStringLiteral(" AND ДатаВремя >= :from AND ДатаВремя < :until");
      if (!filter->login.isEmpty())
        sql += QStringLiteral(" AND lower(Логин) LIKE lower(:pattern) ESCAPE '\\'");
    }
    sql += QStringLiteral(" ORDER BY ДатаВремя DESC, ID DESC");
    Statement q(m_db, sql);
    for (int i = 0; i < logins.size(); ++i)
      q.bind(QStringLiteral("login%1").arg(i), logins.at(i));
    if (filter) {
      q.bind(QStringLiteral("from"), filter->from.startOfDay());
      q.bind(QStringLiteral("until"), filter->to.addDays(1).startOfDay());
      if (!filter->login.isEmpty())
        q.bind(QStringLiteral("pattern"), likeContains(filter->login));
    }
    q.exec();
    while (q.next()) {
      out.append({q.integer(QStringLiteral("ID")), q.dateTime(QStringLiteral("ДатаВремя")),
                  q.text(QStringLiteral("Логин")), q.text(QStringLiteral("Действие"))});
    }
    return out;
  });
}

Result<QString> JournalRepository::detail(qint64 entryId) {
  return attempt([&] {
    Statement q(m_db, QStringLiteral("SELECT Детализация FROM Протокол WHERE ID=:ID"));
    q.bind(QStringLiteral("ID"), entryId);
    return q.first() ? q.text(QStringLiteral("Детализация")) : QString();
  });
}

} // namespace vh
