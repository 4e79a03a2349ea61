#include "support/testdatabase.h"

#include "core/app/databasesetup.h"
#include "core/db/statement.h"

#include <QTest>

namespace vh::test {

TestDatabase::TestDatabase(bool demo) {
  if (!m_dir.isValid())
    qFatal("cannot create a temporary folder");
  CreateDatabaseOptions options;
  options.adminPassword = QStringLiteral("admin");
  options.demo = demo;
  options.demoData.today = QDate(2026, 12, 11);
  options.demoData.orders = 120;
  const Result<void> created = createDatabaseFile(path(), options);
  if (!created)
    qFatal("cannot create the test database: %s", qPrintable(created.error().text));
  auto opened = Database::openSqlite(path());
  if (!opened)
    qFatal("cannot open the test database: %s", qPrintable(opened.error().text));
  m_db = std::move(opened).value();
}

QString TestDatabase::path() const {
  return m_dir.filePath(QStringLiteral("Verholm.db"));
}

namespace {
template <typename Fn> auto orFatal(Fn&& fn) {
  auto result = attempt(std::forward<Fn>(fn));
  if (!result)
    qFatal("test statement failed: %s", qPrintable(result.error().text));
  return std::move(result).value();
}
} // namespace

QVariant TestDatabase::scalar(const QString& sql, const QVariantMap& values) {
  return orFatal([&] {
    Statement q(*m_db, sql);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
      q.bind(it.key(), it.value());
    return q.first() ? q.value(0) : QVariant();
  });
}

qint64 TestDatabase::count(const QString& table, const QString& where, const QVariantMap& values) {
  return scalar(QStringLiteral("SELECT count(*) FROM %1%2")
                    .arg(table, where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where),
                values)
      .toLongLong();
}

qint64 TestDatabase::exec(const QString& sql, const QVariantMap& values) {
  return orFatal([&] {
    Statement q(*m_db, sql);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
      q.bind(it.key(), it.value());
    if (sql.trimmed().startsWith(QStringLiteral("INSERT"), Qt::CaseInsensitive))
      return q.insert();
    q.exec();
    return qint64(q.rowsAffected());
  });
}

qint64 TestDatabase::adminId() {
  return scalar(QStringLiteral("SELECT ID FROM Пользователи WHERE Логин='Administrator'")).toLongLong();
}

TestSession::TestSession(bool demo, const QList<PermissionRow>& rights) : m_data(demo) {
  m_context = std::make_unique<AppContext>(m_data.db(), AppConfig(m_data.folder()));
  Session session;
  session.user.id = m_data.adminId();
  session.user.login = QStringLiteral("Administrator");
  session.user.fullName = QStringLiteral("Administrator");
  session.user.statusId = m_data
                              .scalar(QStringLiteral("SELECT Status_ID FROM Пользователи WHERE ID=:id"),
                                      {{QStringLiteral("id"), session.user.id}})
                              .toLongLong();
  session.rights = Rights(rights);
  session.journalUserIds = session.rights.journalUserIds();
  session.journalUserIds.append(session.user.id);
  m_context->startSession(session);
}

} // namespace vh::test
