#include "core/db/database.h"

#include "core/db/migrations.h"
#include "core/db/sqlitedialect.h"
#include "core/db/statement.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace vh {

namespace {

const QString kApplicationMark = QStringLiteral("Verholm");
constexpr int kSqliteNotADatabase = 26;

QString newConnectionName() {
  static QAtomicInt counter;
  return QStringLiteral("verholm-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString engineText(const QSqlError& error) {
  return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

QString notOursText(const QString& path) {
  return QStringLiteral("Файл «%1» не является базой данных программы Verholm.").arg(path);
}

// What a file holds before the program writes to it: checked on a read-only
// connection so that a foreign file is never touched.
struct Probe {
  bool ours = false;
  int version = 0;
};

Result<Probe> probeSqliteFile(const QString& path) {
  const QString name = newConnectionName();
  Result<Probe> result = Probe{};
  {
    QSqlDatabase probe = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    probe.setDatabaseName(path);
    probe.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!probe.open()) {
      result = Error{engineText(probe.lastError())};
    } else {
      QSqlQuery query(probe);
      if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name='schema_info'"))) {
        const QSqlError error = query.lastError();
        result = error.nativeErrorCode().toInt() == kSqliteNotADatabase ? Error{notOursText(path)}
                                                                        : Error{engineText(error)};
      } else if (!query.next() || query.value(0).toInt() == 0) {
        result = Error{notOursText(path)};
      } else if (!query.exec(QStringLiteral("SELECT key, value FROM schema_info"))) {
        result = Error{engineText(query.lastError())};
      } else {
        Probe p;
        bool marked = false;
        while (query.next()) {
          if (query.value(0).toString() == u"application")
            marked = query.value(1).toString() == kApplicationMark;
          else if (query.value(0).toString() == u"version")
            p.version = query.value(1).toInt();
        }
        p.ours = marked;
        result = marked ? Result<Probe>(p) : Result<Probe>(Error{notOursText(path)});
      }
    }
    probe.close();
  }
  QSqlDatabase::removeDatabase(name);
  return result;
}

} // namespace

int Database::currentSchemaVersion() {
  const QList<Migration> migrations = loadMigrations(SqliteDialect().migrationsFolder());
  return migrations.isEmpty() ? 0 : migrations.last().version;
}

Database::Database(std::unique_ptr<Dialect> dialect, QString connectionName, QString path) :
    m_dialect(std::move(dialect)), m_connectionName(std::move(connectionName)), m_path(std::move(path)) {}

Database::~Database() {
  {
    QSqlDatabase connection = QSqlDatabase::database(m_connectionName, false);
    if (connection.isOpen())
      connection.close();
  }
  QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase Database::connection() const {
  return QSqlDatabase::database(m_connectionName, false);
}

Result<std::unique_ptr<Database>> Database::openSqlite(const QString& path) {
  if (!QFileInfo(path).isFile())
    return Error{QStringLiteral("Не найден файл базы данных «%1».").arg(path)};
  const Result<Probe> probe = probeSqliteFile(path);
  if (!probe)
    return probe.error();
  if (probe->version > currentSchemaVersion())
    return Error{QStringLiteral("База данных «%1» создана более новой версией программы Verholm "
                                "(версия схемы %2, эта версия программы знает схемы до %3). "
                                "Обновите программу.")
                     .arg(path)
                     .arg(probe->version)
                     .arg(currentSchemaVersion())};

  return connectSqlite(path);
}

Result<std::unique_ptr<Database>> Database::connectSqlite(const QString& path) {
  const QString name = newConnectionName();
  std::unique_ptr<Database> db(new Database(std::make_unique<SqliteDialect>(), name, path));
  QSqlDatabase connection = QSqlDatabase::addDatabase(db->m_dialect->driverName(), name);
  connection.setDatabaseName(path);
  connection.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=8000"));
  if (!connection.open())
    return Error{engineText(connection.lastError())};
  auto prepared = attempt([&] {
    db->m_dialect->prepareConnection(connection);
    db->runMigrations();
  });
  if (!prepared)
    return prepared.error();
  return db;
}

void Database::removeFiles(const QString& path) {
  for (const char* suffix : {"", "-wal", "-shm"})
    QFile::remove(path + QLatin1String(suffix));
}

Result<std::unique_ptr<Database>> Database::createSqlite(const QString& path) {
  if (QFileInfo::exists(path))
    return Error{QStringLiteral("Файл «%1» уже существует. Новая база данных не создана, "
                                "существующий файл не изменен.")
                     .arg(path)};
  auto created = connectSqlite(path);
  if (!created)
    removeFiles(path); // leave nothing half-made behind
  return created;
}

int Database::schemaVersion() const {
  QSqlQuery query(connection());
  if (!query.exec(QStringLiteral("SELECT value FROM schema_info WHERE key='version'")) || !query.next())
    return 0;
  return query.value(0).toInt();
}

void Database::execRaw(const QString& sql) {
  QSqlQuery query(connection());
  if (!query.exec(sql))
    fail(engineText(query.lastError()));
}

void Database::runMigrations() {
  const int from = schemaVersion();
  const QList<Migration> migrations = loadMigrations(m_dialect->migrationsFolder());
  if (migrations.isEmpty() || migrations.last().version <= from)
    return;
  Transaction transaction(*this);
  for (const Migration& migration : migrations) {
    if (migration.version <= from)
      continue;
    for (const QString& sql : migration.statements)
      execRaw(sql);
    execRaw(QStringLiteral("DELETE FROM schema_info WHERE key='version'"));
    Statement version(*this, QStringLiteral("INSERT INTO schema_info (key, value) VALUES ('version', :value)"));
    version.bind(QStringLiteral("value"), QString::number(migration.version));
    version.exec();
  }
  transaction.commit();
}

void Database::begin() {
  if (m_depth == 0) {
    execRaw(m_dialect->beginWriteTransaction());
    m_rollbackOnly = false;
  }
  ++m_depth;
}

void Database::commit() {
  if (m_depth <= 0)
    return;
  if (--m_depth > 0)
    return;
  if (m_rollbackOnly) {
    execRaw(QStringLiteral("ROLLBACK"));
    fail(QStringLiteral("Изменения отменены: одна из операций не выполнена."));
  }
  QSqlQuery query(connection());
  if (!query.exec(QStringLiteral("COMMIT"))) {
    const QString text = engineText(query.lastError());
    QSqlQuery(connection()).exec(QStringLiteral("ROLLBACK"));
    fail(text);
  }
}

void Database::rollback() {
  if (m_depth <= 0)
    return;
  if (--m_depth > 0) {
    m_rollbackOnly = true;
    return;
  }
  m_rollbackOnly = false;
  QSqlQuery(connection()).exec(QStringLiteral("ROLLBACK"));
}

} // namespace vh
