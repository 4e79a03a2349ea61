#include "core/directories/pricedentries.h"

#include "core/common/numbers.h"
#include "core/db/statement.h"
#include "core/directories/namecheck.h"
#include "core/journal/journalled.h"

namespace vh {

PricedTable tariffsTable() {
  PricedTable t;
  t.named = {QStringLiteral("Тарифы"), QStringLiteral("Тариф"), QStringLiteral("Активно=True"), {}};
  t.defaultsTable = QStringLiteral("УмолчанияТарифов");
  t.ownerColumn = QStringLiteral("Тариф_ID");
  t.createAction = QStringLiteral("Создание тарифа ");
  t.editAction = QStringLiteral("Редактирование тарифа ");
  return t;
}

PricedTable expenseKindsTable() {
  PricedTable t;
  // Orders keep their amounts under a deleted kind, so deleting only deactivates it.
  t.named = {QStringLiteral("Расходы"), QStringLiteral("Расход"), QStringLiteral("Активно=True"),
             QStringLiteral("Активно")};
  t.defaultsTable = QStringLiteral("УмолчанияРасходов");
  t.ownerColumn = QStringLiteral("Расход_ID");
  t.renameByName = true;
  t.createAction = QStringLiteral("Создание дополнительного расхода ");
  t.editAction = QStringLiteral("Редактирование дополнительного расхода ");
  return t;
}

QList<CurrencyAmount> PricedEntryRepository::amountsOf(qint64 entryId) {
  // An entry of 0 has no defaults: the list of a new entry.
  Statement q(m_db, QStringLiteral("SELECT v.ID, v.Валюта, (SELECT d.ПоУмолчанию FROM %1 d WHERE d.%2=:owner "
                                   "AND d.Валюта_ID=v.ID ORDER BY d.ID LIMIT 1) AS ПоУмолчанию "
                                   "FROM Валюты v ORDER BY v.Валюта COLLATE ru")
                        .arg(m_table.defaultsTable, m_table.ownerColumn));
  q.bind(QStringLiteral("owner"), entryId);
  q.exec();
  QList<CurrencyAmount> amounts;
  while (q.next()) {
    CurrencyAmount amount{q.integer(QStringLiteral("ID")), q.text(QStringLiteral("Валюта")), std::nullopt};
    if (!q.isNull(QStringLiteral("ПоУмолчанию")) && q.number(QStringLiteral("ПоУмолчанию")) > 0)
      amount.amount = q.number(QStringLiteral("ПоУмолчанию"));
    amounts.append(amount);
  }
  return amounts;
}

Result<QList<CurrencyAmount>> PricedEntryRepository::blankAmounts() {
  return attempt([&] { return amountsOf(0); });
}

Result<std::optional<PricedEntry>> PricedEntryRepository::byName(const QString& name) {
  return attempt([&]() -> std::optional<PricedEntry> {
    const qint64 id = listedIdByName(m_db, m_table.named, name);
    if (id == 0)
      return std::nullopt;
    return PricedEntry{id, name, amountsOf(id)};
  });
}

void PricedEntryRepository::storeAmounts(qint64 entryId, const QList<CurrencyAmount>& amounts) {
  for (const CurrencyAmount& amount : amounts) {
    const double value = roundAmount(amount.amount.value_or(0.0));
    // A currency keeps one default row: update it where there is one.
    Statement find(m_db, QStringLiteral("SELECT ID FROM %1 WHERE %2=:owner AND Валюта_ID=:currency ORDER BY ID")
                             .arg(m_table.defaultsTable, m_table.ownerColumn));
    find.bind(QStringLiteral("owner"), entryId).bind(QStringLiteral("currency"), amount.currencyId);
    if (find.first()) {
      Statement update(
          m_db, QStringLiteral("UPDATE %1 SET ПоУмолчанию=:ПоУмолчанию WHERE ID=:ID").arg(m_table.defaultsTable));
      update.bind(QStringLiteral("ПоУмолчанию"), value).bind(QStringLiteral("ID"), find.integer(QStringLiteral("ID")));
      update.exec();
    } else if (amount.amount) {
      Statement insert(m_db, QStringLiteral("INSERT INTO %1 (%2, Валюта_ID, ПоУмолчанию) "
                                            "VALUES (:owner, :currency, :ПоУмолчанию)")
                                 .arg(m_table.defaultsTable, m_table.ownerColumn));
      insert.bind(QStringLiteral("owner"), entryId)
          .bind(QStringLiteral("currency"), amount.currencyId)
          .bind(QStringLiteral("ПоУмолчанию"), value);
      insert.exec();
    }
  }
}

Result<qint64> PricedEntryRepository::create(const QString& name, const QList<CurrencyAmount>& amounts,
                                             JournalWriter& journal) {
  return journalled(m_db, journal, m_table.createAction + name, [&] {
    Statement q(m_db,
                QStringLiteral("INSERT INTO %1 (%2) VALUES (:name)").arg(m_table.named.table, m_table.named.column));
    q.bind(QStringLiteral("name"), name);
    const qint64 id = q.insert();
    storeAmounts(id, amounts);
    return id;
  });
}

Result<void> PricedEntryRepository::update(const PricedEntry& stored, const QString& newName,
                                           const QList<CurrencyAmount>& amounts, JournalWriter& journal) {
  return journalled(m_db, journal, m_table.editAction + stored.name, [&] {
    const QString where =
        m_table.renameByName ? QStringLiteral("%1=:old").arg(m_table.named.column) : QStringLiteral("ID=:id");
    Statement q(
        m_db, QStringLiteral("UPDATE %1 SET %2=:name WHERE %3").arg(m_table.named.table, m_table.named.column, where));
    q.bind(QStringLiteral("name"), newName);
    if (m_table.renameByName)
      q.bind(QStringLiteral("old"), stored.name);
    else
      q.bind(QStringLiteral("id"), stored.id);
    q.exec();
    storeAmounts(stored.id, amounts);
  });
}

} // namespace vh
