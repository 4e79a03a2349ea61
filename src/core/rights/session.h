#pragma once

#include "core/rights/rights.h"

#include <QList>
#include <QString>

namespace vh {

// The logged-in user, set once at login and read for the rest of the run.
struct CurrentUser final {
  qint64 id = 0;
  QString login; // as typed at login; the journal records it
  QString fullName;
  qint64 statusId = 0;
};

struct Session final {
  CurrentUser user;
  Rights rights;
  // Users whose journal entries this user may read; his own ID is last.
  QList<qint64> journalUserIds;
};

} // namespace vh
