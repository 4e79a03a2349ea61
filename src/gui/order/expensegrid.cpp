#include "gui/order/expensegrid.h"

#include "core/common/numbers.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace vh {

namespace {

constexpr int kTickWidth = 30;
constexpr int kAmountWidth = 100;

// Amounts are typed with digits and a decimal comma only.
class AmountDelegate final : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
      line->setValidator(
          new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,12}(,\\d{0,2})?")), line));
      line->setAlignment(Qt::AlignCenter);
    }
    return editor;
  }
};

QTableWidgetItem* fixedItem(const QString& text = {}) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

} // namespace

ExpenseGrid::ExpenseGrid(QTableWidget* table) : QObject(table), m_table(table) {
  m_table->setColumnCount(ColumnCount);
  m_table->setHorizontalHeaderLabels(
      {QString(), QString(), QStringLiteral("Наименование расхода"), QStringLiteral("Сумма"), QString()});
  m_table->setColumnHidden(ColKind, true);
  m_table->setColumnHidden(ColDefault, true);
  m_table->verticalHeader()->hide();
  m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
  m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
  m_table->setTabKeyNavigation(false);
  m_table->setWordWrap(false);
  m_table->setItemDelegateForColumn(ColAmount, new AmountDelegate(m_table));
  QHeaderView* header = m_table->horizontalHeader();
  header->setDefaultAlignment(Qt::AlignCenter);
  header->setHighlightSections(false);
  header->setSectionResizeMode(ColTicked, QHeaderView::Fixed);
  header->setSectionResizeMode(ColName, QHeaderView::Stretch);
  header->setSectionResizeMode(ColAmount, QHeaderView::Fixed);
  m_table->setColumnWidth(ColTicked, kTickWidth);
  m_amountHeader = QStringLiteral("Сумма");
  fitAmountColumn();
  connect(m_table, &QTableWidget::itemChanged, this, &ExpenseGrid::itemChanged);
}

void ExpenseGrid::setKinds(const QList<NamedId>& kinds) {
  m_updating = true;
  m_table->clearContents();
  m_table->setRowCount(int(kinds.size()));
  for (int row = 0; row < kinds.size(); ++row) {
    m_table->setItem(row, ColKind, fixedItem(QString::number(kinds[row].id)));
    auto* tick = new QTableWidgetItem;
    tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    tick->setCheckState(Qt::Unchecked);
    m_table->setItem(row, ColTicked, tick);
    m_table->setItem(row, ColName, fixedItem(kinds[row].name));
    auto* amount = fixedItem();
    amount->setTextAlignment(Qt::AlignCenter);
    amount->setBackground(Qt::white);
    m_table->setItem(row, ColAmount, amount);
    m_table->setItem(row, ColDefault, fixedItem(QStringLiteral("0")));
  }
  // Tabbing into the grid lands on a check box, ready for the space bar.
  if (!kinds.isEmpty())
    m_table->setCurrentCell(0, ColTicked, QItemSelectionModel::NoUpdate);
  m_updating = false;
}

void ExpenseGrid::setCurrency(const QString& currency) {
  m_amountHeader = currency.isEmpty() ? QStringLiteral("Сумма") : QStringLiteral("Сумма, %1").arg(currency);
  m_table->horizontalHeaderItem(ColAmount)->setText(m_amountHeader);
  fitAmountColumn();
}

void ExpenseGrid::fitAmountColumn() {
  const int needed = m_table->horizontalHeader()->fontMetrics().horizontalAdvance(m_amountHeader) + 16;
  m_table->setColumnWidth(ColAmount, qMax(kAmountWidth, needed));
}

void ExpenseGrid::setDefaults(const QHash<qint64, double>& defaults) {
  m_updating = true;
  for (int row = 0; row < rowCount(); ++row) {
    const qint64 kind = m_table->item(row, ColKind)->text().toLongLong();
    if (const auto it = defaults.constFind(kind); it != defaults.constEnd())
      m_table->item(row, ColDefault)->setText(formatAmount(*it));
  }
  m_updating = false;
}

void ExpenseGrid::setStoredAmounts(const QHash<qint64, double>& amounts) {
  for (int row = 0; row < rowCount(); ++row) {
    const double stored = amounts.value(m_table->item(row, ColKind)->text().toLongLong(), 0.0);
    setTicked(row, stored > 0);
    setAmount(row, stored > 0 ? std::optional<double>(stored) : std::nullopt);
  }
}

int ExpenseGrid::rowCount() const {
  return m_table->rowCount();
}

bool ExpenseGrid::isTicked(int row) const {
  return m_table->item(row, ColTicked)->checkState() == Qt::Checked;
}

void ExpenseGrid::setTicked(int row, bool ticked) {
  m_updating = true;
  m_table->item(row, ColTicked)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
  // Only an applied expense takes an amount.
  QTableWidgetItem* amount = m_table->item(row, ColAmount);
  amount->setFlags(ticked ? amount->flags() | Qt::ItemIsEditable : amount->flags() & ~Qt::ItemIsEditable);
  m_updating = false;
}

std::optional<double> ExpenseGrid::amount(int row) const {
  return parseAmount(m_table->item(row, ColAmount)->text());
}

void ExpenseGrid::setAmount(int row, std::optional<double> amount) {
  m_updating = true;
  m_table->item(row, ColAmount)->setText(amount ? formatAmount(*amount) : QString());
  m_updating = false;
}

double ExpenseGrid::defaultAmount(int row) const {
  return parseAmount(m_table->item(row, ColDefault)->text()).value_or(0.0);
}

QList<std::optional<double>> ExpenseGrid::amounts() const {
  QList<std::optional<double>> out;
  for (int row = 0; row < rowCount(); ++row)
    out.append(amount(row));
  return out;
}

QList<ExpenseLine> ExpenseGrid::lines() const {
  QList<ExpenseLine> out;
  for (int row = 0; row < rowCount(); ++row)
    out.append({m_table->item(row, ColKind)->text().toLongLong(), amount(row)});
  return out;
}

void ExpenseGrid::itemChanged(QTableWidgetItem* item) {
  if (m_updating)
    return;
  const int row = item->row();
  if (item->column() == ColTicked) {
    const bool ticked = item->checkState() == Qt::Checked;
    setTicked(row, ticked); // keeps the amount's editability in step
    Q_EMIT tickToggled(row, ticked);
  } else if (item->column() == ColAmount) {
    // A ticked expense always has an amount, shown with two decimals.
    setAmount(row, amount(row).value_or(0.0));
    Q_EMIT amountEdited(row);
  }
}

} // namespace vh
