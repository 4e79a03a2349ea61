#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

class QSqlDatabase;

namespace vh {

// What differs between the database engines the program runs on. Statements
// are written once, in the subset both engines accept (True/False literals,
// lower(), LIKE ... ESCAPE, COLLATE ru); the rest lives here.
class Dialect {
public:
  virtual ~Dialect() = default;

  virtual QString driverName() const = 0;
  // Resource folder holding the numbered migrations of this engine.
  virtual QString migrationsFolder() const = 0;
  // Statement that starts a transaction which will write.
  virtual QString beginWriteTransaction() const = 0;
  // Called on every new connection, before the first statement.
  virtual void prepareConnection(QSqlDatabase& connection) const = 0;
  // Converts a value bound by a caller to what the engine stores.
  virtual QVariant toEngine(const QVariant& value) const = 0;
  // True when an INSERT must end in RETURNING ID to report the new key.
  virtual bool insertReturnsId() const = 0;
};

// Reads a date and time however the engine returned it.
QDateTime dateTimeFromEngine(const QVariant& value);

} // namespace vh
