#pragma once

#include "core/common/result.h"
#include "core/db/database.h"
#include "core/journal/journalwriter.h"

#include <type_traits>

namespace vh {

// Runs a change and records its journal action in one transaction: the entry
// is written only with the change, and the change stands only with its entry.
// change() runs statements (throwing Failure) and may return a value, such as
// a new row's ID.
template <typename Change>
auto recordedChange(Database& db, JournalWriter& journal, const QString& action, Change&& change) {
  return attempt([&] {
    Transaction transaction(db);
    if constexpr (std::is_void_v<decltype(change())>) {
      change();
      journal.record(action);
      transaction.commit();
    } else {
      auto value = change();
      journal.record(action);
      transaction.commit();
      return value;
    }
  });
}

} // namespace vh
