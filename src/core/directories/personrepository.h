#pragma once

#include "core/common/result.h"
#include "core/directories/listentry.h"
#include "core/directories/namecheck.h"

#include <QList>
#include <QString>

#include <optional>

namespace vh {

class Database;
class JournalWriter;

// A person kept under an owning entry: a client's contact person, a
// vehicle's driver, a carrier's manager.
struct PersonEntry final {
  qint64 id = 0;
  QString name;
  QString phone;
};

// Where one kind of person is kept.
struct PersonTable final {
  QString table;       // "Заказчики"
  QString ownerColumn; // "Клиент_ID"
  QString nameColumn;  // "ФИО"
  // Names are unique among one owner's persons (contact persons, drivers) or
  // across every owner (managers, whom orders and mails name without their carrier).
  bool uniquePerOwner = true;

  static PersonTable contactPersons();
  static PersonTable drivers();
  static PersonTable managers();
};

// The statements of one kind of person. A journal action, when not empty, is
// written in the same transaction as the change.
class PersonRepository final {
public:
  PersonRepository(Database& db, PersonTable table) : m_db(db), m_table(std::move(table)) {}

  // The owner's persons in the order they were added.
  Result<QList<ListEntry>> names(qint64 ownerId);
  Result<std::optional<PersonEntry>> find(qint64 id);
  // Whether the name is taken (letter case ignored) by another person than exceptId.
  Result<bool> nameTaken(qint64 ownerId, const QString& name, qint64 exceptId = 0);
  Result<qint64> insert(qint64 ownerId, const PersonEntry& person, JournalWriter& journal, const QString& action);
  Result<void> update(const PersonEntry& person, JournalWriter& journal, const QString& action);
  Result<void> remove(qint64 id, JournalWriter& journal, const QString& action);

private:
  Database& m_db;
  PersonTable m_table;
};

} // namespace vh
