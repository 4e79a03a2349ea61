#pragma once

#include "core/common/result.h"

#include <QDate>
#include <QString>

namespace vh {

class Database;

struct DemoDataOptions final {
  int orders = 400;
  quint32 seed = 20261211;
  QDate today = QDate::currentDate();
  // Demo users log in with this password; empty skips them (a bare data set for benchmarks).
  QString userPassword = QStringLiteral("demo");
  bool journal = true;
};

struct CreateDatabaseOptions final {
  QString adminPassword;
  bool demo = false;
  DemoDataOptions demoData;
};

// Creates a new database file: schema, fixed rows, the Administrator's
// password, and with demo set a realistic data set. An existing file is
// refused and left as it is.
Result<void> createDatabaseFile(const QString& path, const CreateDatabaseOptions& options);

// Fills an open database with clients, carriers, users and orders spread
// over the months around options.today, in one transaction.
Result<void> fillDemoData(Database& db, const DemoDataOptions& options);

} // namespace vh
