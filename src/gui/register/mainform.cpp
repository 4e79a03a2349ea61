#include "gui/register/mainform.h"

#include "gui/app/appcontext.h"
#include "gui/common/messages.h"
#include "gui/common/rightsapplier.h"
#include "gui/directories/directorycommands.h"
#include "gui/journal/actionskeeperform.h"
#include "gui/register/filtercommands.h"
#include "gui/register/finddialog.h"
#include "gui/register/ordercommands.h"
#include "gui/register/registermodel.h"
#include "gui/register/registersortproxy.h"
#include "gui/register/registerview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace vh {

namespace {

const QString kStartRight = QStringLiteral("_StartDateTime");

// Toolbar and pop-up menu, by command name: "|" a separator, ">" pushes the
// rest to the right end. Commands that do not exist (or that the user's rights
// removed) are left out.
const char* const kToolbarLayout[] = {"OrderCreateBtn",
                                      "OrderEditBtn",
                                      "|",
                                      "PaymentBtn",
                                      "|",
                                      "DublicateBtn",
                                      "|",
                                      "WordReportBtn",
                                      "TotalPriceBtn",
                                      "|",
                                      "FindBtn",
                                      "RefreshBtn",
                                      "|",
                                      "DelFilterBtn",
                                      ">",
                                      "FilterBtn"};
const char* const kCaptionedOnToolbar[] = {"OrderCreateBtn", "OrderEditBtn",  "PaymentBtn", "DublicateBtn",
                                           "WordReportBtn",  "TotalPriceBtn", "FilterBtn"};
const char* const kPopupLayout[] = {"OrderEditBtn", "PaymentBtn", "DublicateBtn", "|", "RefreshBtn",
                                    "FindBtn",      "|",          "PropertiesBtn"};

QIcon icon(const QString& name) {
  return name.isEmpty() ? QIcon() : QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

// The status bar's panel widths, widened when the font needs more.
constexpr int kPanelWidths[4] = {170, 110, 160, 110};

} // namespace

TMainForm::TMainForm(AppContext& context, const ViewSettings& view, QWidget* parent) :
    QMainWindow(parent), m_context(context), m_view(view) {
  setObjectName(QStringLiteral("TMainForm"));
  setWindowTitle(msg::kAppTitle);
  setWindowIcon(icon(QStringLiteral("logo")));
  resize(1024, 768);

  m_model = new RegisterModel(this);
  m_proxy = new RegisterSortProxy(m_model, this);
  m_grid = new RegisterView(this);
  m_grid->setModel(m_proxy);
  setCentralWidget(m_grid);
  m_orders = new OrderCommands(*this, m_context);

  createCommands();
  applyRights(this, m_context.session().rights);
  hideEmptyMenus(menuBar());
  buildToolbarAndPopup();
  createStatusBar();

  QHeaderView* header = m_grid->horizontalHeader();
  connect(header, &QHeaderView::sectionClicked, this, &TMainForm::headerClicked);
  connect(header, &QHeaderView::sectionResized, this, &TMainForm::sectionResized);
  header->viewport()->installEventFilter(this);
  connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TMainForm::updateSelectedCount);
  connect(m_grid, &RegisterView::contextMenuAt, this, [this](const QPoint& at) { m_gridMenu->popup(at); });
  // A double click edits the order even for a user without the edit command.
  connect(m_grid, &QAbstractItemView::doubleClicked, m_orders, &OrderCommands::OrderEditBtnClick);

  m_grid->setAlternatingRowColors(m_view.bands);
  applyStartColumnRight();
  m_panels[4]->setText(m_context.session().user.fullName);
}

TMainForm::~TMainForm() = default;

QAction* TMainForm::addCommand(QMenu* menu, const char* name, const QString& caption, const QString& iconName,
                               const QKeySequence& shortcut) {
  auto* action = new QAction(icon(iconName), caption, this);
  action->setObjectName(QLatin1String(name));
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  // Owned by the window as well, so that its shortcut works wherever it is shown.
  addAction(action);
  if (menu)
    menu->addAction(action);
  return action;
}

void TMainForm::createCommands() {
  // "Заказ"
  QMenu* orderMenu = menuBar()->addMenu(QStringLiteral("Заказ"));
  orderMenu->setObjectName(QStringLiteral("OrderSubBtn"));
  QAction* create = addCommand(orderMenu, "OrderCreateBtn", QStringLiteral("Создать..."), QStringLiteral("create"),
                               QKeySequence(Qt::CTRL | Qt::Key_N));
  create->setToolTip(QStringLiteral("Создать"));
  connect(create, &QAction::triggered, m_orders, &OrderCommands::OrderCreateBtnClick);
  connect(addCommand(orderMenu, "OrderEditBtn", QStringLiteral("Редактировать"), QStringLiteral("edit"),
                     QKeySequence(Qt::Key_F2)),
          &QAction::triggered, m_orders, &OrderCommands::OrderEditBtnClick);
  QAction* payment = addCommand(orderMenu, "PaymentBtn", QStringLiteral("Оплата"), QStringLiteral("payment"),
                                QKeySequence(Qt::Key_F3));
  payment->setToolTip(QStringLiteral("Оплата"));
  connect(payment, &QAction::triggered, m_orders, &OrderCommands::PaymentBtnClick);
  QAction* duplicate =
      addCommand(orderMenu, "DublicateBtn", QStringLiteral("Дублировать..."), QStringLiteral("duplicate"));
  duplicate->setToolTip(QStringLiteral("Дублировать"));
  connect(duplicate, &QAction::triggered, m_orders, &OrderCommands::DublicateBtnClick);
  connect(addCommand(orderMenu, "OrderDeleteBtn", QStringLiteral("Удалить"), QStringLiteral("delete"),
                     QKeySequence(Qt::Key_Delete)),
          &QAction::triggered, m_orders, &OrderCommands::OrderDeleteBtnClick);
  connect(addCommand(orderMenu, "PropertiesBtn", QStringLiteral("Свойства"), QStringLiteral("properties"),
                     QKeySequence(Qt::Key_F4)),
          &QAction::triggered, m_orders, &OrderCommands::PropertiesBtnClick);
  orderMenu->addSeparator();
  connect(addCommand(orderMenu, "ExitBtn", QStringLiteral("Выход"), QStringLiteral("exit"),
                     QKeySequence(Qt::ALT | Qt::Key_F4)),
          &QAction::triggered, this, &QWidget::close);

  // "Вид"
  QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("Вид"));
  viewMenu->setObjectName(QStringLiteral("ViewSubBtn"));
  createViewMenu(viewMenu);

  // "Редакторы" and "Управление" are shown once they hold a command.
  QMenu* dataMenu = menuBar()->addMenu(QStringLiteral("Редакторы"));
  dataMenu->setObjectName(QStringLiteral("DataSubBtn"));
  QMenu* manageMenu = menuBar()->addMenu(QStringLiteral("Управление"));
  manageMenu->setObjectName(QStringLiteral("ManageSubBtn"));
  addDirectoryCommands(*this, dataMenu, manageMenu);

  // "Сервис"
  QMenu* serviceMenu = menuBar()->addMenu(QStringLiteral("Сервис"));
  serviceMenu->setObjectName(QStringLiteral("ServiceSubBtn"));
  m_filterCommands = new FilterCommands(*this);
  connect(addCommand(serviceMenu, "FilterBtn", QStringLiteral("Фильтр..."), QStringLiteral("filter")),
          &QAction::triggered, m_filterCommands, &FilterCommands::FilterBtnClick);
  connect(addCommand(serviceMenu, "DelFilterBtn", QStringLiteral("Удалить фильтр"), QStringLiteral("filter-off")),
          &QAction::triggered, m_filterCommands, &FilterCommands::DelFilterBtnClick);
  serviceMenu->addSeparator();
  connect(addCommand(serviceMenu, "RefreshBtn", QStringLiteral("Обновить"), QStringLiteral("refresh"),
                     QKeySequence(Qt::Key_F5)),
          &QAction::triggered, this, &TMainForm::refresh);
  serviceMenu->addSeparator();
  connect(addCommand(serviceMenu, "ProtocolBtn", QStringLiteral("Журнал действий"), QStringLiteral("journal")),
          &QAction::triggered, this, &TMainForm::ProtocolBtnClick);
  // "Найти..." belongs to "Сервис" but is reached from the toolbar, the pop-up menu and Ctrl+F.
  QAction* find = addCommand(nullptr, "FindBtn", QStringLiteral("Найти..."), QStringLiteral("find"),
                             QKeySequence(Qt::CTRL | Qt::Key_F));
  find->setToolTip(QStringLiteral("Найти"));
  connect(find, &QAction::triggered, this, &TMainForm::FindBtnClick);

  // "Отчеты" and "Справка" likewise.
  menuBar()->addMenu(QStringLiteral("Отчеты"))->setObjectName(QStringLiteral("ReportSubBtn"));
  menuBar()->addMenu(QStringLiteral("Справка"))->setObjectName(QStringLiteral("HelpSubBtn"));
}

void TMainForm::createViewMenu(QMenu* menu) {
  QMenu* widths = menu->addMenu(QStringLiteral("Ширина столбцов"));
  connect(addCommand(widths, "AutosizeByContent", QStringLiteral("Автоподбор по содержимому")), &QAction::triggered,
          this, &TMainForm::AutosizeByContentClick);
  connect(addCommand(widths, "AutosizeByWindow", QStringLiteral("Автоподбор по ширине окна")), &QAction::triggered,
          this, &TMainForm::AutosizeByWindowClick);

  m_columnsMenu = menu->addMenu(QStringLiteral("Отображение столбцов"));
  m_columnsMenu->setObjectName(QStringLiteral("ColumnsSubBtn"));
  // Column items stay open after a click, so that several can be switched in a row.
  m_columnsMenu->installEventFilter(this);
  connect(addCommand(m_columnsMenu, "ShowColsAllBtn", QStringLiteral("Показать все")), &QAction::triggered, this,
          &TMainForm::ShowColsAllBtnClick);
  m_columnsMenu->addSeparator();
  for (int n = 0; n < kRegisterColumnCount; ++n) {
    const QByteArray name = QByteArrayLiteral("Col") + QByteArray::number(n);
    QAction* item = addCommand(m_columnsMenu, name.constData(), RegisterModel::headerText(n));
    item->setCheckable(true);
    item->setChecked(m_view.shown[size_t(n)]);
    connect(item, &QAction::triggered, this, [this, n](bool checked) { ColumnItemClick(n, checked); });
    m_columnItems.append(item);
  }

  QAction* bands = addCommand(menu, "BandsShowBtn", QStringLiteral("Цветовое различие строк"));
  bands->setCheckable(true);
  bands->setChecked(m_view.bands);
  connect(bands, &QAction::triggered, this, &TMainForm::BandsShowBtnClick);
}

void TMainForm::buildToolbarAndPopup() {
  m_toolbar = addToolBar(QStringLiteral("Панель управления"));
  m_toolbar->setObjectName(QStringLiteral("ToolBar"));
  m_toolbar->setMovable(false);
  m_toolbar->setIconSize(QSize(22, 22));
  m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  bool separatorPending = false;
  for (const char* name : kToolbarLayout) {
    const QString key = QLatin1String(name);
    if (key == u"|") {
      separatorPending = !m_toolbar->actions().isEmpty();
      continue;
    }
    if (key == u">") {
      auto* spacer = new QWidget(m_toolbar);
      spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
      m_toolbar->addWidget(spacer);
      separatorPending = false;
      continue;
    }
    QAction* action = findChild<QAction*>(key);
    if (!action || !action->isVisible())
      continue;
    if (separatorPending)
      m_toolbar->addSeparator();
    separatorPending = false;
    m_toolbar->addAction(action);
  }
  for (const char* name : kCaptionedOnToolbar) {
    if (QAction* action = findChild<QAction*>(QLatin1String(name))) {
      if (auto* button = qobject_cast<QToolButton*>(m_toolbar->widgetForAction(action)))
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
  }

  m_gridMenu = new QMenu(this);
  m_gridMenu->setObjectName(QStringLiteral("GridPopup"));
  for (const char* name : kPopupLayout) {
    const QString key = QLatin1String(name);
    if (key == u"|") {
      m_gridMenu->addSeparator();
      continue;
    }
    QAction* action = findChild<QAction*>(key);
    if (action && action->isVisible())
      m_gridMenu->addAction(action);
  }
}

void TMainForm::createStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setSizeGripEnabled(true);
  const QFontMetrics metrics(font());
  const QString samples[4] = {QStringLiteral("Всего активных заказов: 000000"), QStringLiteral("Видимых полей: 00"),
                              QStringLiteral("Отобрано заказов: 000000"), QStringLiteral("Выделено: 000000")};
  for (int i = 0; i < 5; ++i) {
    m_panels[i] = new QLabel(this);
    m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
    m_panels[i]->setContentsMargins(4, 0, 4, 0);
  }
  for (int i = 0; i < 4; ++i) {
    const int extra = i == 2 ? 24 : 12;
    m_panels[i]->setMinimumWidth(qMax(kPanelWidths[i], metrics.horizontalAdvance(samples[i]) + extra));
  }
  // Panel 3 carries the filter icon beside its text.
  auto* filterPanel = new QWidget(this);
  auto* filterLayout = new QHBoxLayout(filterPanel);
  filterLayout->setContentsMargins(0, 0, 0, 0);
  filterLayout->setSpacing(2);
  m_filterIcon = new QLabel(filterPanel);
  m_filterIcon->setObjectName(QStringLiteral("FilterIcon"));
  filterLayout->addWidget(m_filterIcon);
  filterLayout->addWidget(m_panels[2], 1);
  bar->addWidget(m_panels[0]);
  bar->addWidget(m_panels[1]);
  bar->addWidget(filterPanel);
  bar->addWidget(m_panels[3]);
  bar->addWidget(m_panels[4], 1);
  setFilterPanel(false, 0);
  updateSelectedCount();
}

QString TMainForm::statusText(int panel) const {
  return m_panels[panel - 1]->text();
}

void TMainForm::setFilterPanel(bool filtered, int count) {
  const int size = m_panels[2]->fontMetrics().height();
  m_filterIcon->setPixmap(
      icon(filtered ? QStringLiteral("filter-on") : QStringLiteral("filter-off")).pixmap(size, size));
  m_filterIcon->setProperty("filtered", filtered);
  m_panels[2]->setText(filtered ? QStringLiteral("Отобрано заказов: %1").arg(count)
                                : QStringLiteral("Фильтр не задан"));
}

void TMainForm::reloadRegister(bool filtered) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::optional<qint64> remembered = selectedOrder();
  m_grid->setUpdatesEnabled(false);
  m_layingOut = true;

  RegisterRepository repository(m_context.db());
  auto rows = repository.load(filtered ? &m_filter : nullptr);
  m_proxy->clearSort();
  m_grid->horizontalHeader()->setSortIndicatorShown(false);
  for (int n = 0; n < kRegisterColumnCount; ++n)
    m_grid->setColumnHidden(n, false);
  m_model->setRows(rows ? std::move(rows).value() : std::vector<RegisterRow>{});
  setFilterPanel(filtered, m_model->rowCount());
  applyColumnLayout();
  m_layingOut = false;
  m_grid->setUpdatesEnabled(true);

  m_findRow = m_findColumn = -1;
  if (remembered)
    selectOrder(*remembered);
  updateSelectedCount();
  const auto active = repository.countActive();
  if (active)
    m_panels[0]->setText(QStringLiteral("Всего активных заказов: %1").arg(*active));
  QApplication::restoreOverrideCursor();
  if (!rows)
    msg::failure(this, rows.error());
  else if (!active)
    msg::failure(this, active.error());
}

void TMainForm::applyColumnLayout() {
  const bool storedWidths = m_view.widths[1] != 0;
  if (storedWidths) {
    for (int n = 0; n < kRegisterColumnCount; ++n) {
      if (m_view.widths[size_t(n)] > 0)
        m_grid->setColumnWidth(n, m_view.widths[size_t(n)]);
    }
  } else {
    m_grid->resizeColumnsToContents();
  }
  applyStartColumnRight();
  for (int n = 0; n < kRegisterColumnCount; ++n)
    m_grid->setColumnHidden(n, !m_columnItems[n]->isChecked());
  // The grid keeps at least one column.
  if (m_grid->horizontalHeader()->hiddenSectionCount() == kRegisterColumnCount)
    m_grid->setColumnHidden(0, false);
  updateVisibleCount();
}

// Without the right to see the start date, the "Начало" column is gone and
// cannot be brought back from the menu.
void TMainForm::applyStartColumnRight() {
  if (m_context.session().rights.fieldVisible(kStartRight))
    return;
  QAction* item = m_columnItems.value(RegisterModel::ColStart);
  item->setChecked(false);
  item->setVisible(false);
  item->setEnabled(false);
  m_view.shown[RegisterModel::ColStart] = false;
  m_grid->setColumnHidden(RegisterModel::ColStart, true);
}

void TMainForm::updateVisibleCount() {
  const int shown = kRegisterColumnCount - m_grid->horizontalHeader()->hiddenSectionCount();
  m_panels[1]->setText(QStringLiteral("Видимых полей: %1").arg(shown));
}

void TMainForm::updateSelectedCount() {
  const int count = m_grid->selectionModel() ? int(m_grid->selectionModel()->selectedRows().size()) : 0;
  m_panels[3]->setText(QStringLiteral("Выделено: %1").arg(count));
}

std::optional<qint64> TMainForm::selectedOrder() const {
  const QModelIndex current = m_grid->currentIndex();
  if (!current.isValid())
    return std::nullopt;
  return m_model->rowAt(m_proxy->mapToSource(current).row()).id;
}

QList<qint64> TMainForm::selectedOrders() const {
  QList<int> rows;
  const auto selected = m_grid->selectionModel()->selectedRows();
  for (const QModelIndex& index : selected)
    rows.append(index.row());
  std::sort(rows.begin(), rows.end());
  QList<qint64> ids;
  for (const int row : rows)
    ids.append(m_model->rowAt(m_proxy->mapToSource(m_proxy->index(row, 0)).row()).id);
  return ids;
}

void TMainForm::selectOrder(qint64 id) {
  const int row = m_model->rowOfId(id);
  if (row < 0)
    return;
  const QModelIndex at = m_proxy->mapFromSource(m_model->index(row, 0));
  const int column = m_grid->horizontalHeader()->logicalIndexAt(0);
  const QModelIndex cell = m_proxy->index(at.row(), qMax(0, column));
  m_grid->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  m_grid->scrollTo(cell);
}

void TMainForm::removeOrderRow(qint64 id) {
  m_model->removeOrder(id);
  updateSelectedCount();
}

void TMainForm::ColumnItemClick(int column, bool checked) {
  m_view.shown[size_t(column)] = checked;
  m_layingOut = true;
  const bool lastShown = !checked && m_grid->horizontalHeader()->hiddenSectionCount() == kRegisterColumnCount - 1 &&
                         !m_grid->isColumnHidden(column);
  // The grid keeps at least one column, although its item is unticked.
  if (!lastShown)
    m_grid->setColumnHidden(column, !checked);
  m_layingOut = false;
  updateVisibleCount();
}

void TMainForm::ShowColsAllBtnClick() {
  m_grid->setUpdatesEnabled(false);
  m_layingOut = true;
  for (int n = 0; n < kRegisterColumnCount; ++n) {
    QAction* item = m_columnItems[n];
    const bool present = item->isVisible();
    item->setChecked(present);
    m_view.shown[size_t(n)] = present;
    m_grid->setColumnHidden(n, !present);
  }
  m_layingOut = false;
  m_grid->setUpdatesEnabled(true);
  updateVisibleCount();
}

void TMainForm::AutosizeByContentClick() {
  m_layingOut = true;
  m_grid->resizeColumnsToContents();
  m_layingOut = false;
}

void TMainForm::AutosizeByWindowClick() {
  const int shown = kRegisterColumnCount - m_grid->horizontalHeader()->hiddenSectionCount();
  if (shown == 0)
    return;
  const int width = m_grid->viewport()->width() / shown;
  m_layingOut = true;
  for (int n = 0; n < kRegisterColumnCount; ++n) {
    if (m_grid->isColumnHidden(n))
      continue;
    m_grid->setColumnWidth(n, width);
    m_view.widths[size_t(n)] = width;
  }
  m_layingOut = false;
}

void TMainForm::BandsShowBtnClick(bool checked) {
  m_view.bands = checked;
  m_grid->setAlternatingRowColors(checked);
}

void TMainForm::headerClicked(int column) {
  const auto state = m_proxy->cycle(column);
  QHeaderView* header = m_grid->horizontalHeader();
  header->setSortIndicatorShown(state != RegisterSortProxy::State::None);
  if (state != RegisterSortProxy::State::None)
    header->setSortIndicator(column,
                             state == RegisterSortProxy::State::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
  m_findRow = m_findColumn = -1;
}

void TMainForm::sectionResized(int column, int, int newSize) {
  if (m_layingOut || !m_headerPressed || newSize <= 0)
    return;
  m_view.widths[size_t(column)] = newSize;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_grid->horizontalHeader()->viewport()) {
    if (event->type() == QEvent::MouseButtonPress)
      m_headerPressed = true;
    else if (event->type() == QEvent::MouseButtonRelease)
      m_headerPressed = false;
  } else if (watched == m_columnsMenu && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    QAction* action = m_columnsMenu->actionAt(mouse->position().toPoint());
    if (action && action->isCheckable() && action->isEnabled()) {
      action->trigger();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::FindBtnClick() {
  if (!m_findDialog) {
    m_findDialog = new FindDialog(this);
    connect(m_findDialog, &FindDialog::findNext, this, [this](const FindRequest& request) { findNext(request); });
  }
  m_findRow = m_findColumn = -1;
  m_findDialog->show();
  m_findDialog->raise();
  m_findDialog->activateWindow();
}

bool TMainForm::findNext(const FindRequest& request) {
  QHeaderView* header = m_grid->horizontalHeader();
  QList<int> columns; // visible columns, in their visual order
  for (int visual = 0; visual < header->count(); ++visual) {
    const int logical = header->logicalIndex(visual);
    if (!header->isSectionHidden(logical))
      columns.append(logical);
  }
  const int rows = m_proxy->rowCount();
  const int cells = rows * int(columns.size());
  if (cells > 0 && !request.text.isEmpty()) {
    const Qt::CaseSensitivity sensitivity = request.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // Position of the previous match in a flat walk over the cells.
    int position = -1;
    if (m_findRow >= 0 && m_findRow < rows && columns.contains(m_findColumn))
      position = m_findRow * int(columns.size()) + int(columns.indexOf(m_findColumn));
    const int step = request.forward ? 1 : -1;
    int at = position < 0 ? (request.forward ? 0 : cells - 1) : position + step;
    for (; at >= 0 && at < cells; at += step) {
      const int row = at / int(columns.size());
      const int column = columns.at(at % columns.size());
      const int sourceRow = m_proxy->mapToSource(m_proxy->index(row, column)).row();
      const QString text = m_model->cellText(sourceRow, column);
      const bool match =
          request.wholeCell ? text.compare(request.text, sensitivity) == 0 : text.contains(request.text, sensitivity);
      if (!match)
        continue;
      m_findRow = row;
      m_findColumn = column;
      const QModelIndex cell = m_proxy->index(row, column);
      m_grid->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      m_grid->scrollTo(cell);
      return true;
    }
  }
  msg::plain(m_findDialog && m_findDialog->isVisible() ? static_cast<QWidget*>(m_findDialog) : this,
             QStringLiteral("Поиск завершен."));
  return false;
}

void TMainForm::ProtocolBtnClick() {
  TActionsKeeperForm journal(m_context, this);
  journal.exec();
}

Result<void> TMainForm::saveSettings() {
  return ViewSettingsRepository(m_context.db()).save(m_context.session().user.id, m_view);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  const Result<void> saved = saveSettings();
  if (!saved) {
    // The settings could not be stored: the window stays open.
    msg::failure(this, saved.error());
    event->ignore();
    return;
  }
  if (m_findDialog)
    m_findDialog->close();
  event->accept();
}

} // namespace vh
