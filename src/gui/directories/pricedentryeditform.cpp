#include "gui/directories/pricedentryeditform.h"

#include "core/common/numbers.h"
#include "gui/app/appcontext.h"
#include "gui/directories/directories.h"
#include "gui/directories/editoropening.h"
#include "gui/directories/namedlistactions.h"

#include "ui_pricedentryeditform.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

namespace vh {

namespace {

enum Column { CurrencyIdColumn, CurrencyColumn, AmountColumn };

const QString kRequiredMark = QStringLiteral(" <span style=\"color:#c62828;\">*</span>");

// Amount cells take digits and one decimal comma as they are typed. Each
// keystroke reaches the cell at once: OK saves what an open cell shows, however
// it is pressed.
class AmountDelegate final : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignCenter);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,12}(,[0-9]{0,2})?")), edit));
    auto* self = const_cast<AmountDelegate*>(this);
    connect(edit, &QLineEdit::textEdited, self, [self, edit] { emit self->commitData(edit); });
    return edit;
  }
};

QTableWidgetItem* cell(const QString& text, bool editable) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignCenter);
  if (!editable)
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

} // namespace

PricedEditorTexts tariffEditorTexts() {
  return {QStringLiteral("TTarifEditForm"),
          QStringLiteral("TarifName"),
          QStringLiteral("Наименование тарифа:"),
          QStringLiteral("Ставка фрахта в разных валютах:"),
          QStringLiteral("Добавление тарифа"),
          QStringLiteral("Редактирование тарифа"),
          QStringLiteral("Не задано наименование тарифа."),
          tariffsTable()};
}

PricedEditorTexts expenseEditorTexts() {
  return {QStringLiteral("TExpenseEditForm"),
          QStringLiteral("ExpenseName"),
          QStringLiteral("Наименование расхода:"),
          QStringLiteral("Расход в разных валютах:"),
          QStringLiteral("Добавление расхода"),
          QStringLiteral("Редактирование расхода"),
          QStringLiteral("Не задано наименование расхода."),
          expenseKindsTable()};
}

PricedEntryEditForm::PricedEntryEditForm(AppContext& context, PricedEditorTexts texts, QWidget* parent) :
    EntryEditor(context, parent), m_ui(std::make_unique<Ui::PricedEntryEditForm>()), m_texts(std::move(texts)) {
  m_ui->setupUi(this);
  setObjectName(m_texts.windowClass);
  m_ui->NameEdit->setObjectName(m_texts.nameField);
  m_ui->NameLabel->setText(m_texts.nameLabel + kRequiredMark);
  m_ui->GridLabel->setText(m_texts.gridLabel);

  QTableWidget* grid = m_ui->Grid;
  grid->setHorizontalHeaderLabels({QString(), QStringLiteral("Валюта"), QStringLiteral("Сумма по умолчанию")});
  grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grid->horizontalHeader()->setSectionResizeMode(CurrencyColumn, QHeaderView::Stretch);
  grid->horizontalHeader()->setSectionResizeMode(AmountColumn, QHeaderView::Fixed);
  grid->horizontalHeader()->resizeSection(AmountColumn, 170);
  grid->setColumnHidden(CurrencyIdColumn, true);
  grid->setItemDelegateForColumn(AmountColumn, new AmountDelegate(grid));
  grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
  finishSetup(m_ui->NameEdit);
  // A new entry starts with every currency and no amounts.
  const auto amounts = PricedEntryRepository(m_context.db(), m_texts.table).blankAmounts();
  fillGrid(succeeded(amounts) ? *amounts : QList<CurrencyAmount>());
}

PricedEntryEditForm::~PricedEntryEditForm() = default;

bool PricedEntryEditForm::load(const QString& name) {
  const auto entry = PricedEntryRepository(m_context.db(), m_texts.table).byName(name);
  if (!succeeded(entry) || !*entry)
    return false;
  m_stored = **entry;
  m_ui->NameEdit->setText(m_stored.name);
  fillGrid(m_stored.amounts);
  return true;
}

QString PricedEntryEditForm::storedName() const {
  return result() == QDialog::Accepted ? m_ui->NameEdit->text() : QString();
}

void PricedEntryEditForm::fillGrid(const QList<CurrencyAmount>& amounts) {
  QTableWidget* grid = m_ui->Grid;
  grid->setUpdatesEnabled(false);
  grid->setRowCount(0);
  grid->setRowCount(int(amounts.size()));
  for (int row = 0; row < grid->rowCount(); ++row) {
    const CurrencyAmount& amount = amounts.at(row);
    grid->setItem(row, CurrencyIdColumn, cell(QString::number(amount.currencyId), false));
    grid->setItem(row, CurrencyColumn, cell(amount.currency, false));
    grid->setItem(row, AmountColumn, cell(amount.amount ? formatAmount(*amount.amount) : QString(), true));
  }
  grid->setUpdatesEnabled(true);
}

std::optional<QList<CurrencyAmount>> PricedEntryEditForm::readGrid() {
  QTableWidget* grid = m_ui->Grid;
  QList<CurrencyAmount> amounts;
  for (int row = 0; row < grid->rowCount(); ++row) {
    CurrencyAmount amount{grid->item(row, CurrencyIdColumn)->text().toLongLong(),
                          grid->item(row, CurrencyColumn)->text(), std::nullopt};
    const QString text = grid->item(row, AmountColumn)->text().trimmed();
    if (!text.isEmpty() && text != u"-") {
      amount.amount = parseAmount(text);
      if (!amount.amount || *amount.amount < 0) {
        grid->setCurrentCell(row, AmountColumn);
        grid->setFocus();
        msg::warning(this,
                     QStringLiteral("Сумма «%1» для валюты «%2» указана неверно. Введите число, например 1500,50.")
                         .arg(text, amount.currency));
        return std::nullopt;
      }
    }
    amounts.append(amount);
  }
  return amounts;
}

bool PricedEntryEditForm::save() {
  if (!requireFilled({m_ui->NameEdit}, m_texts.emptyName))
    return false;
  const auto amounts = readGrid();
  if (!amounts)
    return false;
  PricedEntryRepository entries(m_context.db(), m_texts.table);
  const QString name = m_ui->NameEdit->text();
  if (mode() == Mode::Create)
    return succeeded(entries.create(name, *amounts, m_context.journal()));
  return succeeded(entries.update(m_stored, name, *amounts, m_context.journal()));
}

namespace {

void usePricedEditor(DirectoryDescription& d, PricedEditorTexts (*texts)()) {
  d.createButton = {QStringLiteral("AddBtn"), QStringLiteral("Добавить...")};
  const PricedEditorTexts shown = texts();
  useEntryEditor(d, {shown.createCaption, QStringLiteral("Добавить"), shown.editCaption},
                 [texts](DirectoryWindow& window) {
                   return std::make_unique<PricedEntryEditForm>(window.context(), texts(), &window);
                 });
}

} // namespace

DirectoryDescription tariffsDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TTarifManagerForm");
  d.caption = QStringLiteral("Тарифы");
  d.listName = QStringLiteral("TarifList");
  d.listLabel = QStringLiteral("Наименования тарифов:");
  d.countLabel = QStringLiteral("Всего тарифов: ");
  d.table = tariffsTable().named;
  usePricedEditor(d, &tariffEditorTexts);
  useConfirmedDelete(d, {QStringLiteral("Вы действительно хотите удалить тариф?"), QStringLiteral("Удаление"), {}});
  return d;
}

DirectoryDescription expenseKindsDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TExpensesManagerForm");
  d.caption = QStringLiteral("Дополнительные расходы");
  d.listName = QStringLiteral("ExpensesList");
  d.listLabel = QStringLiteral("Виды дополнительных расходов:");
  d.countLabel = QStringLiteral("Всего активных расходов: ");
  d.table = expenseKindsTable().named;
  usePricedEditor(d, &expenseEditorTexts);
  useConfirmedDelete(
      d, {QStringLiteral("Вы действительно хотите удалить дополнительный расход?"), QStringLiteral("Удаление"), {}});
  return d;
}

} // namespace vh
