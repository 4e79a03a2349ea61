#pragma once

#include "core/common/result.h"

#include <QSqlDatabase>
#include <QString>

#include <memory>

namespace vh {

class Dialect;

// The program's one connection to its database, with the engine's dialect.
// Every repository runs its statements through it; windows never see it.
class Database final {
public:
  // The schema version this build writes and understands.
  static int currentSchemaVersion();

  // Opens an existing database file of this program, bringing an older schema
  // up to date. A file that is not such a database, or that a newer build
  // wrote, is refused with a message and left untouched.
  static Result<std::unique_ptr<Database>> openSqlite(const QString& path);
  // Creates a new database file with the schema and its fixed rows. Refuses a
  // path where any file exists already.
  static Result<std::unique_ptr<Database>> createSqlite(const QString& path);

  // Removes a database file with its write-ahead log, for a file this program
  // began to create and could not finish.
  static void removeFiles(const QString& path);

  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  QSqlDatabase connection() const;
  const Dialect& dialect() const { return *m_dialect; }
  QString path() const { return m_path; }
  int schemaVersion() const;

  // Transactions nest: only the outermost begin and commit reach the engine,
  // and a rollback anywhere inside makes the whole one roll back.
  void begin();
  void commit();
  void rollback();
  bool inTransaction() const { return m_depth > 0; }

private:
  Database(std::unique_ptr<Dialect> dialect, QString connectionName, QString path);
  // Connects to the file (SQLite creates a missing one) and brings its schema up to date.
  static Result<std::unique_ptr<Database>> connectSqlite(const QString& path);
  void runMigrations();
  void execRaw(const QString& sql);

  std::unique_ptr<Dialect> m_dialect;
  QString m_connectionName;
  QString m_path;
  int m_depth = 0;
  bool m_rollbackOnly = false;
};

// Begins a transaction and rolls it back on destruction unless committed.
class Transaction final {
public:
  explicit Transaction(Database& db) : m_db(db) { m_db.begin(); }
  ~Transaction() {
    if (!m_done)
      m_db.rollback();
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void commit() {
    m_done = true;
    m_db.commit();
  }

private:
  Database& m_db;
  bool m_done = false;
};

} // namespace vh
