#pragma once

#include "core/common/result.h"
#include "core/directories/namedlist.h"

#include <QList>

#include <optional>

namespace vh {

class Database;
class JournalWriter;

// Tariffs and expense kinds are twins: a name with a default amount per
// currency. This is what tells them apart in the database.
struct PricedTable final {
  NamedTable named;      // the entries, their name column, the listed (active) rows
  QString defaultsTable; // one row per entry and currency that was ever given an amount
  QString ownerColumn;   // the defaults' column that points at the entry
  // Expense kinds are renamed by their old name, deactivated rows included, so
  // that the invoices of earlier orders show the kind under its current name.
  bool renameByName = false;
  QString createAction; // journal action, followed by the new name
  QString editAction;   // journal action, followed by the name before the edit
};

PricedTable tariffsTable();
PricedTable expenseKindsTable();

struct CurrencyAmount final {
  qint64 currencyId = 0;
  QString currency;
  // None: no default. It is shown empty, and stored as 0 where the currency had a default before.
  std::optional<double> amount;
};

struct PricedEntry final {
  qint64 id = 0;
  QString name;
  QList<CurrencyAmount> amounts; // every currency, in the order of their names
};

class PricedEntryRepository final {
public:
  PricedEntryRepository(Database& db, PricedTable table) : m_db(db), m_table(std::move(table)) {}

  // Every currency without an amount: the grid of a new entry.
  Result<QList<CurrencyAmount>> blankAmounts();
  // The first listed entry of this name with its defaults; a stored default
  // of 0 or less counts as none.
  Result<std::optional<PricedEntry>> byName(const QString& name);
  // Stores a new entry, its amounts and its journal entry at once; the amounts
  // go under the ID the insert gave, whatever other entries share the name.
  Result<qint64> create(const QString& name, const QList<CurrencyAmount>& amounts, JournalWriter& journal);
  // Renames the stored entry and stores its amounts, with the journal entry.
  Result<void> update(const PricedEntry& stored, const QString& newName, const QList<CurrencyAmount>& amounts,
                      JournalWriter& journal);

private:
  QList<CurrencyAmount> amountsOf(qint64 entryId);
  void storeAmounts(qint64 entryId, const QList<CurrencyAmount>& amounts);

  Database& m_db;
  PricedTable m_table;
};

} // namespace vh
