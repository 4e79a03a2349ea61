#pragma once

#include "core/common/result.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vh {

class Database;

struct JournalEntry final {
  qint64 id = 0;
  QDateTime moment;
  QString login;
  QString action;
};

// Narrows the journal to a period of whole days and, optionally, to the
// logins that contain a text.
struct JournalFilter final {
  QDate from;
  QDate to; // inclusive
  QString login;
};

// The statements of the journal window.
class JournalRepository final {
public:
  explicit JournalRepository(Database& db) : m_db(db) {}

  // First and last moment in the journal; empty when it has no entries.
  Result<std::pair<std::optional<QDateTime>, std::optional<QDateTime>>> period();
  // The logins of the given users, in their order; deleted users are skipped.
  Result<QStringList> loginsOf(const QList<qint64>& userIds);
  // The entries of these logins, newest first.
  Result<QList<JournalEntry>> entries(const QStringList& logins, const std::optional<JournalFilter>& filter);
  Result<QString> detail(qint64 entryId);

private:
  Database& m_db;
};

} // namespace vh
