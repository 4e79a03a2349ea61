#include "gui/rights/statuseditform.h"

#include "core/rights/statusrepository.h"
#include "core/rights/userrepository.h"
#include "gui/app/appcontext.h"
#include "gui/common/messages.h"
#include "gui/rights/permissiongriddelegate.h"

#include "ui_statuseditform.h"

#include <QHeaderView>
#include <QSignalBlocker>

namespace vh {

namespace {

// The page shown when the editor last closed; the journal page at first.
int& lastPage() {
  static int page = 2;
  return page;
}

const QColor kHeadingBackground(244, 244, 244);

void prepareGrid(QTableWidget* grid, const QStringList& headers) {
  grid->setColumnCount(int(headers.size()) + 1);
  grid->setHorizontalHeaderLabels(QStringList{QString()} + headers);
  grid->setColumnHidden(TStatusEditForm::KeyColumn, true);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 10);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setItemDelegate(new PermissionGridDelegate(grid));
  grid->setWordWrap(false);
  QHeaderView* header = grid->horizontalHeader();
  header->setSectionResizeMode(TStatusEditForm::CaptionColumn, QHeaderView::Stretch);
  for (int column = TStatusEditForm::CaptionColumn + 1; column < grid->columnCount(); ++column) {
    header->setSectionResizeMode(column, QHeaderView::Fixed);
    grid->setColumnWidth(column, 96);
  }
}

void addHeading(QTableWidget* grid, const QString& heading) {
  const int row = grid->rowCount();
  grid->insertRow(row);
  grid->setItem(row, TStatusEditForm::KeyColumn, new QTableWidgetItem(QString()));
  auto* item = new QTableWidgetItem(heading);
  item->setFlags(Qt::ItemIsEnabled);
  item->setBackground(kHeadingBackground);
  QFont font = item->font();
  font.setBold(true);
  item->setFont(font);
  grid->setItem(row, TStatusEditForm::CaptionColumn, item);
  grid->setSpan(row, TStatusEditForm::CaptionColumn, 1, grid->columnCount() - TStatusEditForm::CaptionColumn);
}

void addRight(QTableWidget* grid, const QString& key, const QString& caption) {
  const int row = grid->rowCount();
  grid->insertRow(row);
  grid->setItem(row, TStatusEditForm::KeyColumn, new QTableWidgetItem(key));
  auto* text = new QTableWidgetItem(caption);
  text->setFlags(Qt::ItemIsEnabled);
  grid->setItem(row, TStatusEditForm::CaptionColumn, text);
  for (int column = TStatusEditForm::CaptionColumn + 1; column < grid->columnCount(); ++column) {
    auto* box = new QTableWidgetItem;
    box->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    box->setCheckState(Qt::Unchecked);
    grid->setItem(row, column, box);
  }
}

void fillCatalogue(QTableWidget* grid, const QList<CatalogueSection>& sections) {
  for (const CatalogueSection& section : sections) {
    addHeading(grid, section.heading);
    for (const CatalogueRight& right : section.rights) {
      // Rights to delete carry a red asterisk, so that they are granted with care.
      const QString caption =
          right.deletes ? QStringLiteral("<font color=\"#FF0000\">*</font> ") + right.caption : right.caption;
      addRight(grid, right.key, caption);
    }
  }
}

int rowOf(const QTableWidget* grid, const QString& key) {
  for (int row = 0; row < grid->rowCount(); ++row) {
    if (grid->item(row, TStatusEditForm::KeyColumn)->text() == key)
      return row;
  }
  return -1;
}

bool ticked(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item && item->checkState() == Qt::Checked;
}

void tick(QTableWidget* grid, int row, int column, bool on) {
  if (QTableWidgetItem* item = grid->item(row, column))
    item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

bool isRight(const QTableWidget* grid, int row) {
  return !grid->item(row, TStatusEditForm::KeyColumn)->text().isEmpty();
}

} // namespace

TStatusEditForm::TStatusEditForm(AppContext& context, QWidget* parent) :
    EntryEditor(context, parent), m_ui(std::make_unique<Ui::TStatusEditForm>()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TStatusEditForm"));

  prepareGrid(m_ui->Gridlok, {QStringLiteral("Наименование редактора"), QStringLiteral("Доступ")});
  fillCatalogue(m_ui->Gridlok, commandCatalogue());
  prepareGrid(m_ui->Grid, {QStringLiteral("Область данных"), QStringLiteral("Просмотр"), QStringLiteral("Изменение")});
  fillCatalogue(m_ui->Grid, fieldCatalogue());
  prepareGrid(m_ui->UserLogGrid, {QStringLiteral("ФИО пользователя"), QStringLiteral("Доступ")});
  fillJournalGrid();

  // Whoever may change a field must see it.
  connect(m_ui->Grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (item->column() == ChangeColumn && item->checkState() == Qt::Checked)
      tick(m_ui->Grid, item->row(), ViewColumn, true);
  });

  m_ui->PageControl->setCurrentIndex(lastPage());
  finishSetup(m_ui->PageControl);
}

TStatusEditForm::~TStatusEditForm() = default;

QTableWidget* TStatusEditForm::commandGrid() const {
  return m_ui->Gridlok;
}
QTableWidget* TStatusEditForm::fieldGrid() const {
  return m_ui->Grid;
}
QTableWidget* TStatusEditForm::journalGrid() const {
  return m_ui->UserLogGrid;
}

void TStatusEditForm::fillJournalGrid() {
  const auto users = UserRepository(m_context.db()).journalUsers();
  if (!succeeded(users))
    return;
  for (const ListEntry& user : *users)
    addRight(m_ui->UserLogGrid, journalKey(user.id), user.text);
}

// Commands and fields; the journal page always starts unticked.
void TStatusEditForm::tickAll(bool on) {
  for (QTableWidget* grid : {m_ui->Gridlok, m_ui->Grid, m_ui->UserLogGrid}) {
    const bool value = on && grid != m_ui->UserLogGrid;
    for (int row = 0; row < grid->rowCount(); ++row) {
      for (int column = CaptionColumn + 1; column < grid->columnCount(); ++column)
        tick(grid, row, column, value);
    }
  }
}

// A key that no row of its grid holds is ignored.
void TStatusEditForm::apply(const PermissionRow& row) {
  switch (permissionKind(row.key)) {
  case PermissionKind::Field:
    if (const int r = rowOf(m_ui->Grid, row.key); r >= 0) {
      tick(m_ui->Grid, r, ViewColumn, row.read);
      tick(m_ui->Grid, r, ChangeColumn, row.change);
    }
    break;
  case PermissionKind::Journal:
    if (const int r = rowOf(m_ui->UserLogGrid, row.key); r >= 0)
      tick(m_ui->UserLogGrid, r, AccessColumn, row.read);
    break;
  case PermissionKind::Command:
    if (const int r = rowOf(m_ui->Gridlok, row.key); r >= 0)
      tick(m_ui->Gridlok, r, AccessColumn, row.change);
    break;
  }
}

bool TStatusEditForm::load(const QString& statusName, bool justCreated) {
  StatusRepository statuses(m_context.db());
  const auto id = statuses.idOf(statusName);
  if (!succeeded(id) || !*id)
    return false;
  const auto rows = statuses.rights(**id);
  if (!succeeded(rows))
    return false;
  m_statusId = **id;
  m_statusName = statusName;
  prepare(rows->isEmpty() ? Mode::Create : Mode::Edit, windowTitle(), m_ui->OKBtn->text());
  // Rows are applied as stored: the field link must not tick "Просмотр" on its own meanwhile.
  const QSignalBlocker blocker(m_ui->Grid);
  tickAll(!justCreated);
  for (const PermissionRow& row : *rows)
    apply(row);
  // Nobody shuts himself out of his own journal entries.
  const CurrentUser& user = m_context.session().user;
  if (m_statusId == user.statusId) {
    if (const int r = rowOf(m_ui->UserLogGrid, journalKey(user.id)); r >= 0)
      tick(m_ui->UserLogGrid, r, AccessColumn, true);
  }
  return true;
}

int TStatusEditForm::tickedCount(QTableWidget* grid) const {
  int count = 0;
  for (int row = 0; row < grid->rowCount(); ++row) {
    for (int column = CaptionColumn + 1; column < grid->columnCount(); ++column)
      count += ticked(grid, row, column) ? 1 : 0;
  }
  return count;
}

// Commands first, then fields, then journals; unticked boxes are written too.
QList<PermissionRow> TStatusEditForm::collectRows() const {
  QList<PermissionRow> rows;
  const QTableWidget* commands = m_ui->Gridlok;
  for (int row = 0; row < commands->rowCount(); ++row) {
    if (isRight(commands, row))
      rows.append({commands->item(row, KeyColumn)->text(), false, ticked(commands, row, AccessColumn)});
  }
  const QTableWidget* fields = m_ui->Grid;
  for (int row = 0; row < fields->rowCount(); ++row) {
    if (isRight(fields, row)) {
      rows.append(
          {fields->item(row, KeyColumn)->text(), ticked(fields, row, ViewColumn), ticked(fields, row, ChangeColumn)});
    }
  }
  const QTableWidget* journals = m_ui->UserLogGrid;
  for (int row = 0; row < journals->rowCount(); ++row)
    rows.append({journals->item(row, KeyColumn)->text(), ticked(journals, row, AccessColumn), false});
  return rows;
}

bool TStatusEditForm::save() {
  if (tickedCount(m_ui->Grid) + tickedCount(m_ui->Gridlok) == 0) {
    msg::warning(this, QStringLiteral("Статус не содержит ни одного полномочия."));
    return false;
  }
  const QString action = (mode() == Mode::Create ? QStringLiteral("Создание полномочий статуса ")
                                                 : QStringLiteral("Редактирование полномочий статуса ")) +
                         m_statusName;
  const auto saved =
      StatusRepository(m_context.db()).saveRights(m_statusId, collectRows(), m_context.journal(), action);
  if (!succeeded(saved))
    return false;
  // Saved rows make the next save an edit.
  prepare(Mode::Edit, windowTitle(), m_ui->OKBtn->text());
  return true;
}

void TStatusEditForm::done(int result) {
  lastPage() = m_ui->PageControl->currentIndex();
  EntryEditor::done(result);
}

} // namespace vh
