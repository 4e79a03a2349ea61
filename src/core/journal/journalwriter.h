#pragma once

#include "core/common/result.h"

#include <QString>
#include <QStringList>

namespace vh {

class Database;

// Records user actions in Протокол. A detail added before an entry belongs to
// that entry alone: writing empties it.
class JournalWriter final {
public:
  JournalWriter(Database& db, QString login);

  const QString& login() const { return m_login; }

  void addDetail(const QString& line) { m_pendingDetail.append(line); }
  QString pendingDetail() const { return m_pendingDetail.join(u'\n'); }
  void clearDetail() { m_pendingDetail.clear(); }

  // Writes the entry with the pending detail; the detail is emptied only when
  // the row was written.
  Result<void> write(const QString& action);
  // The same, throwing Failure: for use inside a repository's transaction.
  void record(const QString& action);

private:
  Database& m_db;
  QString m_login;
  QStringList m_pendingDetail;
};

} // namespace vh
