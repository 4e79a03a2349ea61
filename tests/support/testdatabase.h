#pragma once

#include "core/db/database.h"
#include "core/rights/session.h"
#include "gui/app/appcontext.h"

#include <QTemporaryDir>
#include <QVariant>

#include <memory>

namespace vh::test {

// A fresh database file in a temporary folder: schema and fixed rows, the
// Administrator with the password "admin", and optionally the demo data set.
// Removed with the object.
class TestDatabase final {
public:
  explicit TestDatabase(bool demo = false);

  Database& db() { return *m_db; }
  QString path() const;
  QString folder() const { return m_dir.path(); }

  // First column of the first row of a statement (a test's look at the data).
  QVariant scalar(const QString& sql, const QVariantMap& values = {});
  qint64 count(const QString& table, const QString& where = QString(), const QVariantMap& values = {});
  // Runs a statement that changes data; returns the new row's ID for an INSERT.
  qint64 exec(const QString& sql, const QVariantMap& values = {});

  qint64 adminId();

private:
  QTemporaryDir m_dir;
  std::unique_ptr<Database> m_db;
};

// A database with a logged-in user, for driving windows.
class TestSession final {
public:
  explicit TestSession(bool demo = false, const QList<PermissionRow>& rights = {});

  TestDatabase& data() { return m_data; }
  Database& db() { return m_data.db(); }
  AppContext& context() { return *m_context; }

private:
  TestDatabase m_data;
  std::unique_ptr<AppContext> m_context;
};

} // namespace vh::test
