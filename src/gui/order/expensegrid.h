#pragma once

#include "core/order/orderdata.h"

#include <QHash>
#include <QObject>

#include <optional>

class QTableWidget;
class QTableWidgetItem;

namespace vh {

// The order's additional expenses in the editor's grid: one row per active
// expense kind with a check box, the name, the amount in the order currency
// (only while ticked, typed with digits and a comma) and the kind's default
// amount, which a newly ticked expense takes.
class ExpenseGrid final : public QObject {
  Q_OBJECT

public:
  enum Column { ColKind, ColTicked, ColName, ColAmount, ColDefault, ColumnCount };

  explicit ExpenseGrid(QTableWidget* table);

  // One unticked row per kind, defaults 0.
  void setKinds(const QList<NamedId>& kinds);
  // The amount column's header names the order currency.
  void setCurrency(const QString& currency);
  // Defaults of the kinds listed; the others keep theirs.
  void setDefaults(const QHash<qint64, double>& defaults);
  // Ticks the kinds stored with an amount above 0.
  void setStoredAmounts(const QHash<qint64, double>& amounts);

  int rowCount() const;
  bool isTicked(int row) const;
  // Changes the box without reporting it.
  void setTicked(int row, bool ticked);
  std::optional<double> amount(int row) const;
  void setAmount(int row, std::optional<double> amount);
  double defaultAmount(int row) const;

  QList<std::optional<double>> amounts() const;
  QList<ExpenseLine> lines() const;

Q_SIGNALS:
  // The user ticked or unticked a row's box.
  void tickToggled(int row, bool ticked);
  // The user confirmed a typed amount.
  void amountEdited(int row);

private:
  void itemChanged(QTableWidgetItem* item);
  void fitAmountColumn();

  QTableWidget* m_table;
  QString m_amountHeader;
  bool m_updating = false;
};

} // namespace vh
