#include "gui/order/transorderform.h"

#include "core/common/clock.h"
#include "core/common/collation.h"
#include "core/common/numbers.h"
#include "core/order/attachmentcopies.h"
#include "core/order/ordercalc.h"
#include "core/order/orderchanges.h"
#include "core/rates/currencyrates.h"
#include "gui/app/appcontext.h"
#include "gui/common/comboutil.h"
#include "gui/common/dialogs.h"
#include "gui/common/messages.h"
#include "gui/common/rightsapplier.h"
#include "gui/directories/autoeditform.h"
#include "gui/directories/clienteditform.h"
#include "gui/directories/customereditform.h"
#include "gui/directories/directories.h"
#include "gui/directories/drivereditform.h"
#include "gui/directories/workereditform.h"
#include "gui/order/earliervaluepickerform.h"
#include "gui/order/expensegrid.h"
#include "gui/order/searchpickerform.h"

#include "ui_transorderform.h"

#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QUrl>

#include <algorithm>

namespace vh {

namespace {

const QString kAllFiles = QStringLiteral("Все файлы (*)");
const QString kAdvertising = QStringLiteral("Реклама");
const QString kDispatcher = QStringLiteral("Диспетчер");
// Hints that show look-up data stay up long enough to copy a phone number.
constexpr int kHintDuration = 50000;

// Turns an error result into the Failure that guarded() reports.
template <typename T> T unwrap(Result<T> result) {
  if (!result)
    throw Failure{result.error()};
  return std::move(result).value();
}

void unwrap(const Result<void>& result) {
  if (!result)
    throw Failure{result.error()};
}

// Fills a list whose entries are told apart by their rows, not their names
// (vehicles, drivers, channels and dispatchers may share a name).
void setNamedItems(QComboBox* combo, QList<NamedId> items) {
  sortByName(items, [](const NamedId& item) -> const QString& { return item.name; });
  const QSignalBlocker blocker(combo);
  combo->clear();
  for (const NamedId& item : items)
    combo->addItem(item.name, item.id);
  combo->setCurrentIndex(-1);
}

void selectComboId(QComboBox* combo, qint64 id) {
  const QSignalBlocker blocker(combo);
  combo->setCurrentIndex(combo->findData(id));
}

qint64 selectedComboId(const QComboBox* combo) {
  return combo->currentIndex() < 0 ? 0 : combo->currentData().toLongLong();
}

AttachmentEntry entryOf(const QListWidgetItem* item) {
  return {item->data(Qt::UserRole + 1).toString(), item->data(Qt::UserRole).toString()};
}

QListWidgetItem* attachmentItem(const AttachmentEntry& entry) {
  auto* item = new QListWidgetItem(entry.isNew() ? QDir::toNativeSeparators(entry.text) : entry.text);
  item->setData(Qt::UserRole, entry.newPath);
  item->setData(Qt::UserRole + 1, entry.text);
  item->setToolTip(entry.isNew() ? QStringLiteral("Новый файл: %1").arg(QDir::toNativeSeparators(entry.newPath))
                                 : QStringLiteral("Сохранен с заказом"));
  return item;
}

// The current moment to the minute, as the time pickers hold it.
QTime currentMinute() {
  const QTime now = Clock::now().time();
  return QTime(now.hour(), now.minute());
}

// The account the copies of stored files are written for.
QString accountName(const QString& fallback) {
  for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
    const QString name = qEnvironmentVariable(variable);
    if (!name.isEmpty())
      return name;
  }
  return fallback;
}

// The captions of one column of the window share one width, so that the fields
// of its groups line up; a caption longer than that wraps.
void alignCaptions(std::initializer_list<QGridLayout*> grids) {
  QList<QLabel*> captions;
  for (QGridLayout* grid : grids) {
    for (int index = 0; index < grid->count(); ++index) {
      int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
      grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
      if (auto* caption = qobject_cast<QLabel*>(grid->itemAt(index)->widget());
          caption && column == 0 && columnSpan == 1)
        captions.append(caption);
    }
  }
  if (captions.isEmpty())
    return;
  const QFontMetrics metrics = captions.first()->fontMetrics();
  const int widest = metrics.averageCharWidth() * 26;
  int width = 0;
  for (const QLabel* caption : captions)
    width = qMax(width, qMin(widest, metrics.horizontalAdvance(caption->text())));
  for (QLabel* caption : captions) {
    caption->setWordWrap(true);
    caption->setFixedWidth(width);
    // The grid does not ask a caption its wrapped height; tell it.
    caption->setMinimumHeight(caption->heightForWidth(width));
  }
}

void setTextColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::WindowText, color);
    palette.setColor(group, QPalette::Text, color);
  }
  widget->setPalette(palette);
}

} // namespace

TTransOrderForm::TTransOrderForm(AppContext& context, QWidget* parent) :
    QDialog(parent), m_context(context), m_ui(std::make_unique<Ui::TTransOrderForm>()), m_lookups(context.db()),
    m_repository(context.db()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TTransOrderForm"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
  m_grid = new ExpenseGrid(m_ui->Grid);
  m_client = {m_ui->ClientPayment, m_ui->ClientSumm, m_ui->ClientDatePanel, m_ui->ClientPaymentDate,
              m_ui->ClientRUBSumm};
  m_worker = {m_ui->WorkerPayment, m_ui->WorkerSumm, m_ui->WorkerDatePanel, m_ui->WorkerPaymentDate,
              m_ui->WorkerRUBSumm};
  setupControls();
  connectControls();
  applyRights(this, m_context.session().rights);
  // "Пересчитать" goes with the rouble field it fills.
  m_ui->CalcBtn1->setVisible(!m_ui->ClientRUBSumm->isHidden());
  m_ui->CalcBtn2->setVisible(!m_ui->WorkerRUBSumm->isHidden());
}

TTransOrderForm::~TTransOrderForm() = default;

template <typename Fn> bool TTransOrderForm::guarded(Fn&& fn) {
  const Result<void> done = attempt(std::forward<Fn>(fn));
  if (!done)
    msg::failure(this, done.error());
  return done.ok();
}

void TTransOrderForm::setupControls() {
  Ui::TTransOrderForm& ui = *m_ui;
  const QString longDate = QLocale().dateFormat(QLocale::LongFormat);
  ui.StartDate->setDisplayFormat(longDate);
  ui.EndDate->setDisplayFormat(longDate);
  ui.CashType->addItems(kCashTypes);
  ui.CashType->setCurrentIndex(-1);

  // Required fields carry a red mark.
  const auto stars = findChildren<QLabel*>(QRegularExpression(QStringLiteral("Star$")));
  for (QLabel* star : stars) {
    setTextColor(star, QColor(0xc6, 0x28, 0x28));
    QFont bold = star->font();
    bold.setBold(true);
    star->setFont(bold);
  }
  QFont bold = ui.TotalTime->font();
  bold.setBold(true);
  ui.TotalTime->setFont(bold);
  ui.Summ->setFont(bold);
  ui.Profit->setFont(bold);

  // The debt stands out: large, dark red.
  QFont debtFont = bold;
  debtFont.setPointSizeF(bold.pointSizeF() * 1.5);
  for (QWidget* debt : std::initializer_list<QWidget*>{ui.MustLabel, ui.MustSumm}) {
    debt->setFont(debtFont);
    setTextColor(debt, QColor(0x8b, 0x00, 0x00));
  }
  // Computed amounts are shown, not typed: dark text although disabled.
  for (QWidget* shown : std::initializer_list<QWidget*>{ui.Summ, ui.Profit})
    setTextColor(shown, palette().color(QPalette::Active, QPalette::Text));

  for (QWidget* hinted : std::initializer_list<QWidget*>{ui.ClientName, ui.ClientFaceCombo, ui.WorkerName,
                                                         ui.DriverCombo, ui.WorkerManagerCombo})
    hinted->setToolTipDuration(kHintDuration);

  m_completed = {ui.Route, ui.Load, ui.Unload, ui.TO_CUSTOM, ui.FREIGHT, ui.RECEIVER, ui.TransportDescription};
  for (QLineEdit* edit : m_completed) {
    auto* completer = new QCompleter(new QStringListModel(edit), edit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    edit->setCompleter(completer);
    edit->installEventFilter(this);
    m_staleCompletions.insert(edit);
  }

  // The two payment sides line up: the mark and the date caption share a width.
  QWidget* const paymentCaptions[] = {ui.ClientPayment, ui.WorkerPayment, ui.ClientDateLabel, ui.WorkerDateLabel};
  int captionWidth = 0;
  for (const QWidget* caption : paymentCaptions)
    captionWidth = qMax(captionWidth, caption->sizeHint().width());
  for (QWidget* caption : paymentCaptions)
    caption->setMinimumWidth(captionWidth);

  alignCaptions({ui.clientGrid, ui.termsGrid, ui.cargoGrid});
  alignCaptions({ui.transportGrid, ui.sourceGrid, ui.notesGrid});
  alignCaptions({ui.payTermsGrid});
  alignCaptions({ui.resultGrid});
  const int fieldWidth = fontMetrics().averageCharWidth() * 40;
  for (QWidget* field :
       std::initializer_list<QWidget*>{ui.ClientName, ui.Route, ui.AutoType, ui.WorkerName, ui.CurrencyType})
    field->setMinimumWidth(fieldWidth);
  const int lineHeight = fontMetrics().lineSpacing();
  for (QWidget* memo : std::initializer_list<QWidget*>{ui.EXPEDITION, ui.Comment})
    memo->setMinimumHeight(lineHeight * 3 + 12);
  ui.Attachments->setMinimumHeight(lineHeight * 4 + 12);
  ui.Blocked->setMinimumHeight(ui.SpecCombo->sizeHint().height());
  setTextColor(ui.Blocked, palette().color(QPalette::Disabled, QPalette::WindowText));

  ui.MustLabel->hide();
  ui.MustSumm->hide();
  ui.Grid->setMinimumWidth(ui.Grid->fontMetrics().horizontalAdvance(QStringLiteral("Сверхнормативный простой")) + 160);
  resize(layout()->minimumSize().expandedTo(QSize(fieldWidth * 3, 0)));
}

void TTransOrderForm::connectControls() {
  Ui::TTransOrderForm& ui = *m_ui;
  const auto changed = &QComboBox::currentIndexChanged;
  connect(ui.ClientName, changed, this, &TTransOrderForm::ClientNameChange);
  connect(ui.ClientFaceCombo, changed, this, &TTransOrderForm::ClientFaceComboChange);
  connect(ui.AutoType, changed, this, &TTransOrderForm::AutoTypeChange);
  connect(ui.WorkerName, changed, this, &TTransOrderForm::WorkerNameChange);
  connect(ui.AutoCombo, changed, this, &TTransOrderForm::AutoComboChange);
  connect(ui.DriverCombo, changed, this, &TTransOrderForm::DriverComboChange);
  connect(ui.WorkerManagerCombo, changed, this, &TTransOrderForm::WorkerManagerComboChange);
  connect(ui.OrderSourceCombo, changed, this, &TTransOrderForm::OrderSourceComboChange);
  connect(ui.StartDate, &QDateEdit::dateChanged, this, [this] { StartDateChange(true); });
  for (QDateTimeEdit* edit : std::initializer_list<QDateTimeEdit*>{ui.StartTime, ui.EndDate, ui.EndTime})
    connect(edit, &QDateTimeEdit::dateTimeChanged, this, [this] { StartDateChange(false); });

  connect(ui.CurrencyType, changed, this, &TTransOrderForm::CurrencyTypeChange);
  connect(ui.Tarif, changed, this, &TTransOrderForm::TarifChange);
  connect(ui.WayPrice, &QDoubleSpinBox::valueChanged, this, &TTransOrderForm::RecalcOrderSum);
  connect(m_grid, &ExpenseGrid::tickToggled, this, &TTransOrderForm::GridCheckBoxClick);
  connect(m_grid, &ExpenseGrid::amountEdited, this, &TTransOrderForm::RecalcOrderSum);
  for (QDoubleSpinBox* amount : {ui.ClientSumm, ui.ClientRUBSumm, ui.WorkerRUBSumm})
    connect(amount, &QDoubleSpinBox::valueChanged, this, &TTransOrderForm::RecalcProfit);
  connect(ui.ClientPayment, &QCheckBox::toggled, this, [this] { PaymentClick(m_client, true); });
  connect(ui.WorkerPayment, &QCheckBox::toggled, this, [this] { PaymentClick(m_worker, false); });
  connect(ui.CalcBtn1, &QPushButton::clicked, this, [this] { UpdateRubSum(m_client); });
  connect(ui.CalcBtn2, &QPushButton::clicked, this, [this] { UpdateRubSum(m_worker); });

  const auto clicked = &QAbstractButton::clicked;
  connect(ui.SearchClientBtn, clicked, this, &TTransOrderForm::SearchClientBtnClick);
  connect(ui.SearchWorkerBtn, clicked, this, &TTransOrderForm::SearchWorkerBtnClick);
  connect(ui.SelectRouteBtn, clicked, this, &TTransOrderForm::SelectRouteBtnClick);
  connect(ui.ExpeditionSearchBtn, clicked, this, &TTransOrderForm::ExpeditionSearchBtnClick);
  connect(ui.CommentSearchBtn, clicked, this, &TTransOrderForm::CommentSearchBtnClick);
  connect(ui.AddClientBtn, clicked, this, &TTransOrderForm::AddClientBtnClick);
  connect(ui.AddClientFaceBtn, clicked, this, &TTransOrderForm::AddClientFaceBtnClick);
  connect(ui.AddWorkerBtn, clicked, this, &TTransOrderForm::AddWorkerBtnClick);
  connect(ui.AddAutoBtn, clicked, this, &TTransOrderForm::AddAutoBtnClick);
  connect(ui.AddDriverBtn, clicked, this, &TTransOrderForm::AddDriverBtnClick);
  connect(ui.ClientManagerBtn, clicked, this, &TTransOrderForm::ClientManagerBtnClick);
  connect(ui.WorkerManagerBtn, clicked, this, &TTransOrderForm::WorkerManagerBtnClick);
  connect(ui.SourceManagerBtn, clicked, this, &TTransOrderForm::SourceManagerBtnClick);

  connect(ui.AddFileBtn, &QPushButton::clicked, this, &TTransOrderForm::AddFileBtnClick);
  connect(ui.DelFileBtn, &QPushButton::clicked, this, &TTransOrderForm::DelFileBtnClick);
  connect(ui.OpenFileBtn, &QPushButton::clicked, this, &TTransOrderForm::OpenFileBtnClick);
  connect(ui.SaveFileBtn, &QPushButton::clicked, this, &TTransOrderForm::SaveFileBtnClick);
  connect(ui.Attachments, &QListWidget::currentRowChanged, this, &TTransOrderForm::updateFileButtons);
  connect(ui.Attachments, &QListWidget::itemDoubleClicked, this, &TTransOrderForm::OpenFileBtnClick);

  connect(ui.OKBtn, &QPushButton::clicked, this, &TTransOrderForm::OKBtnClick);
  connect(ui.CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TTransOrderForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_newOrder)
    m_ui->ClientName->setFocus();
  else if (m_ui->OKBtn->isEnabled())
    m_ui->OKBtn->setFocus();
  else
    m_ui->CancelBtn->setFocus();
}

bool TTransOrderForm::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (event->type() == QEvent::FocusIn && edit && m_staleCompletions.remove(edit)) {
    const auto field = CompletedField(m_completed.indexOf(edit));
    guarded([&] {
      static_cast<QStringListModel*>(edit->completer()->model())->setStringList(m_lookups.earlierValues(field));
    });
  }
  return QDialog::eventFilter(watched, event);
}

void TTransOrderForm::setOpening(const QString& caption, const QString& okCaption, bool insert, QWidget* page) {
  setWindowTitle(caption);
  m_ui->OKBtn->setText(okCaption);
  m_ui->OKBtn->setEnabled(true);
  m_insert = insert;
  m_ui->PageControl->setCurrentWidget(page);
}

bool TTransOrderForm::prepareNewOrder() {
  Ui::TTransOrderForm& ui = *m_ui;
  m_newOrder = true;
  setOpening(QStringLiteral("Создание заказа"), QStringLiteral("Создать"), true, ui.OrderSheet);
  const QScopedValueRollback filling(m_filling, true);
  const bool filled = guarded([&] {
    setComboItems(ui.ClientName, m_lookups.clients(), true);
    ui.ClientFaceCombo->clear();
    setComboItems(ui.OrderSourceCombo, m_lookups.sources(), false);
    setSpecBlocked(true);
    setComboItems(ui.AutoType, m_lookups.vehicleTypes(), true);

    // Earlier values are read afresh when a field is entered, not all at
    // once here: the window opens at once however large the register.
    for (QLineEdit* edit : m_completed) {
      edit->clear();
      m_staleCompletions.insert(edit);
    }

    ui.Comment->clear();
    ui.StartDate->setDate(Clock::today());
    ui.StartTime->setTime(currentMinute());
    ui.EndDate->setDate(Clock::today());
    ui.EndTime->setTime(currentMinute());
    ui.TotalTime->setText(QStringLiteral("Не определено"));
    m_totalMinutes = 0;
    setVehicleTypeTimes({});
    ui.EXPEDITION->clear();

    for (QComboBox* combo : {ui.AutoCombo, ui.DriverCombo, ui.WorkerManagerCombo})
      combo->clear();
    ui.Attachments->clear();
    ui.GoToDone->setChecked(false);
    ui.GoToDone->hide();
    setComboItems(ui.WorkerName, m_lookups.carriers(), true);
    for (QWidget* hinted : std::initializer_list<QWidget*>{ui.ClientName, ui.ClientFaceCombo, ui.WorkerName,
                                                           ui.DriverCombo, ui.WorkerManagerCombo})
      hinted->setToolTip(QString());

    fillPaymentLists();
    resetPaymentPage();
  });
  if (!filled)
    return false;
  takeSnapshot();
  updateFileButtons();
  return true;
}

bool TTransOrderForm::loadOrder(qint64 orderId, Opening opening) {
  Ui::TTransOrderForm& ui = *m_ui;
  m_newOrder = false;
  switch (opening) {
  case Opening::Edit:
    setOpening(QStringLiteral("Редактирование заказа"), QStringLiteral("Сохранить"), false, ui.OrderSheet);
    break;
  case Opening::Duplicate:
    setOpening(QStringLiteral("Дублирование заказа"), QStringLiteral("Создать"), true, ui.OrderSheet);
    break;
  case Opening::Payment:
    setOpening(QStringLiteral("Редактирование заказа"), QStringLiteral("Сохранить"), false, ui.PaymentSheet);
    break;
  }
  const QScopedValueRollback filling(m_filling, true);
  bool found = false;
  const bool loaded = guarded([&] {
    const std::optional<StoredOrder> stored = unwrap(m_repository.load(orderId));
    if (!stored)
      return;
    found = true;
    const StoredOrder& o = *stored;

    setComboItems(ui.ClientName, m_lookups.clients(), true);
    setComboItems(ui.AutoType, m_lookups.vehicleTypes(), true);
    setComboItems(ui.OrderSourceCombo, m_lookups.sources(), false);
    setSpecBlocked(true);
    setComboItems(ui.WorkerName, m_lookups.carriers(), true);
    ui.Attachments->clear();
    ui.GoToDone->show();

    m_orderId = o.id;
    ui.StartDate->setDate(o.start.date());
    ui.StartTime->setTime(o.start.time());
    ui.EndDate->setDate(o.end.date());
    ui.EndTime->setTime(o.end.time());
    m_totalMinutes = o.totalMinutes;
    ui.TotalTime->setText(formatDuration(o.totalMinutes));

    selectComboText(ui.ClientName, o.client);
    setComboItems(ui.ClientFaceCombo, m_lookups.customersOf(o.clientId), false);
    selectComboText(ui.ClientFaceCombo, o.customer);
    selectComboText(ui.AutoType, o.vehicleType);
    ui.TransportDescription->setText(o.transportDescription);
    selectComboText(ui.OrderSourceCombo, o.source);
    ui.Route->setText(o.route);
    ui.Load->setText(o.load);
    ui.Unload->setText(o.unload);
    ui.TO_CUSTOM->setText(o.toCustom);
    ui.FREIGHT->setText(o.freight);
    ui.RECEIVER->setText(o.receiver);
    ui.EXPEDITION->setPlainText(o.expedition);
    ui.Comment->setPlainText(o.comment);
    // Long texts show from their start.
    for (QLineEdit* edit : m_completed)
      edit->setCursorPosition(0);

    selectComboText(ui.WorkerName, o.carrier);
    setNamedItems(ui.AutoCombo, m_lookups.vehiclesOf(o.carrierId));
    selectComboId(ui.AutoCombo, o.vehicleId);
    setNamedItems(ui.DriverCombo, m_lookups.driversOf(o.vehicleId));
    selectComboId(ui.DriverCombo, o.driverId);
    setComboItems(ui.WorkerManagerCombo, m_lookups.managersOf(o.carrierId), true);
    selectComboText(ui.WorkerManagerCombo, o.manager);

    ui.GoToDone->setChecked(o.done);
    // An archived order can be looked at, not saved.
    ui.OKBtn->setEnabled(!o.done);

    if (o.adId != 0 || o.dispatcherId != 0) {
      const bool advertising = o.adId != 0;
      ui.SpecLabel->setText(advertising ? QStringLiteral("Вид рекламы:") : QStringLiteral("ФИО диспетчера:"));
      setNamedItems(ui.SpecCombo, advertising ? m_lookups.adChannels() : m_lookups.dispatchers());
      selectComboId(ui.SpecCombo, advertising ? o.adId : o.dispatcherId);
      setSpecBlocked(false);
    } else {
      ui.SpecCombo->clear();
    }

    fillPaymentLists();
    selectComboText(ui.CurrencyType, o.currency);
    ui.CashType->setCurrentIndex(o.cashType >= 0 && o.cashType < kCashTypes.size() ? o.cashType : -1);
    selectComboText(ui.Tarif, o.tariff);
    ui.WayPrice->setValue(o.wayPrice);
    ui.Summ->setValue(o.sum);
    const auto loadSide = [](const PaymentSide& side, bool paid, double sum, const QDateTime& date, double roubles) {
      side.paid->setChecked(paid);
      side.sum->setValue(sum);
      side.datePanel->setVisible(paid);
      side.date->setDate(paid && date.isValid() ? date.date() : Clock::today());
      side.roubles->setValue(roubles);
    };
    loadSide(m_client, o.clientPaid, o.clientSum, o.clientPaymentDate, o.clientRoubles);
    loadSide(m_worker, o.workerPaid, o.workerSum, o.workerPaymentDate, o.workerRoubles);
    ui.Profit->setValue(o.profit);
    m_grid->setCurrency(o.currency);
    setCurrencySuffix(o.currency);
    m_grid->setStoredAmounts(unwrap(m_repository.expenses(o.id)));
    m_grid->setDefaults(m_lookups.expenseDefaults(o.currency));

    for (const QString& name : unwrap(m_repository.attachmentNames(o.id)))
      ui.Attachments->addItem(attachmentItem({name, {}}));

    ui.ClientName->setToolTip(m_lookups.clientContacts(o.client));
    ui.ClientFaceCombo->setToolTip(m_lookups.customerPhone(o.client, o.customer));
    ui.WorkerName->setToolTip(m_lookups.carrierPhones(o.carrier).phone);
    ui.DriverCombo->setToolTip(m_lookups.driverPhone(o.vehicleId, selectedComboText(ui.DriverCombo)));
    ui.WorkerManagerCombo->setToolTip(m_lookups.managerPhone(o.carrier, o.manager));
    // The stored total stays as it was saved; only the type's minutes are read.
    setVehicleTypeTimes(m_lookups.vehicleTypeTimes(o.vehicleType));
  });
  if (!loaded)
    return false;
  if (!found) {
    msg::warning(this, OrderRepository::notFoundText(orderId));
    return false;
  }
  // The amounts show as stored; only the debt follows them.
  updateDebt();
  takeSnapshot();
  updateFileButtons();
  return true;
}

void TTransOrderForm::fillPaymentLists() {
  m_grid->setKinds(m_lookups.activeExpenseKinds());
  m_grid->setCurrency(QString());
  setComboItems(m_ui->CurrencyType, m_lookups.currencies(), true);
  setComboItems(m_ui->Tarif, m_lookups.activeTariffs(), true);
}

void TTransOrderForm::resetPaymentPage() {
  Ui::TTransOrderForm& ui = *m_ui;
  ui.CashType->setCurrentIndex(-1);
  setCurrencySuffix(QString());
  ui.WayPrice->setValue(0);
  ui.Summ->setValue(0);
  for (const PaymentSide& side : {m_client, m_worker}) {
    side.paid->setChecked(false);
    side.datePanel->hide();
    side.date->setDate(Clock::today());
    side.sum->setValue(0);
    side.roubles->setValue(0);
  }
  ui.Profit->setValue(0);
  ui.MustSumm->setValue(0);
  ui.MustLabel->hide();
  ui.MustSumm->hide();
}

void TTransOrderForm::setCurrencySuffix(const QString& currency) {
  const QString suffix = currency.isEmpty() ? QString() : u' ' + currency;
  for (QDoubleSpinBox* amount : {m_ui->WayPrice, m_ui->Summ, m_ui->ClientSumm, m_ui->WorkerSumm, m_ui->MustSumm})
    amount->setSuffix(suffix);
  for (QDoubleSpinBox* roubles : {m_ui->ClientRUBSumm, m_ui->WorkerRUBSumm, m_ui->Profit})
    roubles->setSuffix(QStringLiteral(" руб."));
}

void TTransOrderForm::setSpecBlocked(bool blocked) {
  m_extraShown = !blocked;
  m_ui->Blocked->setVisible(blocked);
  for (QWidget* field : std::initializer_list<QWidget*>{m_ui->SpecLabel, m_ui->SpecStar, m_ui->SpecCombo})
    field->setVisible(!blocked);
}

void TTransOrderForm::setVehicleTypeTimes(const VehicleTypeTimes& times) {
  m_minimumMinutes = times.minimum;
  m_deliveryMinutes = times.delivery;
  m_ui->MinTime->setText(formatDuration(times.minimum));
  m_ui->ComingTime->setText(formatDuration(times.delivery));
}

void TTransOrderForm::takeSnapshot() {
  m_snapshot = trackedTexts(collectInput());
}

void TTransOrderForm::updateFileButtons() {
  const bool selected = m_ui->Attachments->currentItem() != nullptr;
  for (QPushButton* button : {m_ui->DelFileBtn, m_ui->OpenFileBtn, m_ui->SaveFileBtn})
    button->setEnabled(selected);
}

OrderInput TTransOrderForm::collectInput() const {
  const Ui::TTransOrderForm& ui = *m_ui;
  OrderInput o;
  o.client = selectedComboText(ui.ClientName);
  o.customer = selectedComboText(ui.ClientFaceCombo);
  o.start = QDateTime(ui.StartDate->date(), ui.StartTime->time());
  o.end = QDateTime(ui.EndDate->date(), ui.EndTime->time());
  o.totalMinutes = m_totalMinutes;
  o.route = ui.Route->text().trimmed();
  o.load = ui.Load->text().trimmed();
  o.unload = ui.Unload->text().trimmed();
  o.toCustom = ui.TO_CUSTOM->text().trimmed();
  o.freight = ui.FREIGHT->text().trimmed();
  o.receiver = ui.RECEIVER->text().trimmed();
  o.expedition = ui.EXPEDITION->toPlainText();
  o.vehicleType = selectedComboText(ui.AutoType);
  o.transportDescription = ui.TransportDescription->text().trimmed();
  o.carrier = selectedComboText(ui.WorkerName);
  o.vehicle = selectedComboText(ui.AutoCombo);
  o.driver = selectedComboText(ui.DriverCombo);
  o.manager = selectedComboText(ui.WorkerManagerCombo);
  o.source = selectedComboText(ui.OrderSourceCombo);
  o.extraShown = m_extraShown;
  o.extra = m_extraShown ? selectedComboText(ui.SpecCombo) : QString();
  o.comment = ui.Comment->toPlainText();
  for (int row = 0; row < ui.Attachments->count(); ++row)
    o.attachments.append(entryOf(ui.Attachments->item(row)));
  o.currency = selectedComboText(ui.CurrencyType);
  o.cashType = ui.CashType->currentIndex();
  o.tariff = selectedComboText(ui.Tarif);
  o.wayPrice = ui.WayPrice->value();
  o.sum = ui.Summ->value();
  o.clientPaid = ui.ClientPayment->isChecked();
  o.clientSum = ui.ClientSumm->value();
  o.clientPaymentDate = ui.ClientPaymentDate->date();
  o.clientRoubles = ui.ClientRUBSumm->value();
  o.workerPaid = ui.WorkerPayment->isChecked();
  o.workerSum = ui.WorkerSumm->value();
  o.workerPaymentDate = ui.WorkerPaymentDate->date();
  o.workerRoubles = ui.WorkerRUBSumm->value();
  o.profit = ui.Profit->value();
  o.done = ui.GoToDone->isChecked();
  o.expenses = m_grid->lines();
  return o;
}

// ---- Look-up cascade

void TTransOrderForm::ClientNameChange() {
  if (m_filling)
    return;
  const QString client = selectedComboText(m_ui->ClientName);
  guarded([&] {
    m_ui->ClientName->setToolTip(m_lookups.clientContacts(client));
    setComboItems(m_ui->ClientFaceCombo, m_lookups.customersOf(client), false);
  });
  m_ui->ClientFaceCombo->setToolTip(QString());
}

void TTransOrderForm::ClientFaceComboChange() {
  if (m_filling)
    return;
  guarded([&] {
    m_ui->ClientFaceCombo->setToolTip(
        m_lookups.customerPhone(selectedComboText(m_ui->ClientName), selectedComboText(m_ui->ClientFaceCombo)));
  });
}

void TTransOrderForm::AutoTypeChange() {
  if (m_filling)
    return;
  guarded([&] { setVehicleTypeTimes(m_lookups.vehicleTypeTimes(selectedComboText(m_ui->AutoType))); });
  RecalcTotalTime();
}

void TTransOrderForm::StartDateChange(bool startDateChanged) {
  if (m_filling)
    return;
  RecalcTotalTime();
  // A new loading day moves the agreed delivery to the same day.
  if (startDateChanged)
    m_ui->EndDate->setDate(m_ui->StartDate->date());
}

void TTransOrderForm::RecalcTotalTime() {
  const QDateTime start(m_ui->StartDate->date(), m_ui->StartTime->time());
  const QDateTime end(m_ui->EndDate->date(), m_ui->EndTime->time());
  m_totalMinutes = totalOrderMinutes(start, end, m_minimumMinutes, m_deliveryMinutes);
  m_ui->TotalTime->setText(formatDuration(m_totalMinutes));
}

void TTransOrderForm::WorkerNameChange() {
  if (m_filling)
    return;
  const QString carrier = selectedComboText(m_ui->WorkerName);
  guarded([&] {
    const CarrierPhones phones = m_lookups.carrierPhones(carrier);
    m_ui->WorkerName->setToolTip(QStringLiteral("Телефон: %1\nФакс: %2").arg(phones.phone, phones.fax));
    m_ui->DriverCombo->clear();
    setNamedItems(m_ui->AutoCombo, m_lookups.vehiclesOf(carrier));
    setComboItems(m_ui->WorkerManagerCombo, m_lookups.managersOf(carrier), true);
  });
  m_ui->DriverCombo->setToolTip(QString());
  m_ui->WorkerManagerCombo->setToolTip(QString());
}

void TTransOrderForm::AutoComboChange() {
  if (m_filling)
    return;
  guarded([&] { setNamedItems(m_ui->DriverCombo, m_lookups.driversOf(selectedComboId(m_ui->AutoCombo))); });
  m_ui->DriverCombo->setToolTip(QString());
}

void TTransOrderForm::DriverComboChange() {
  if (m_filling)
    return;
  guarded([&] {
    m_ui->DriverCombo->setToolTip(
        m_lookups.driverPhone(selectedComboId(m_ui->AutoCombo), selectedComboText(m_ui->DriverCombo)));
  });
}

void TTransOrderForm::WorkerManagerComboChange() {
  if (m_filling)
    return;
  guarded([&] {
    m_ui->WorkerManagerCombo->setToolTip(
        m_lookups.managerPhone(selectedComboText(m_ui->WorkerName), selectedComboText(m_ui->WorkerManagerCombo)));
  });
}

void TTransOrderForm::OrderSourceComboChange() {
  if (m_filling)
    return;
  const QString source = selectedComboText(m_ui->OrderSourceCombo);
  if (source != kAdvertising && source != kDispatcher) {
    setSpecBlocked(true);
    return;
  }
  const bool advertising = source == kAdvertising;
  const bool filled =
      guarded([&] { setNamedItems(m_ui->SpecCombo, advertising ? m_lookups.adChannels() : m_lookups.dispatchers()); });
  m_ui->SpecLabel->setText(advertising ? QStringLiteral("Вид рекламы:") : QStringLiteral("ФИО диспетчера:"));
  setSpecBlocked(!filled);
}

// ---- Pickers

void TTransOrderForm::SearchClientBtnClick() {
  SearchPickerForm picker(m_context, SearchPickerForm::Kind::Client, this);
  if (picker.exec() == QDialog::Accepted) {
    const QSignalBlocker blocker(m_ui->ClientName);
    selectComboText(m_ui->ClientName, picker.chosen());
  }
  // Closed either way: the contact persons follow the client now shown.
  ClientNameChange();
}

void TTransOrderForm::SearchWorkerBtnClick() {
  SearchPickerForm picker(m_context, SearchPickerForm::Kind::Carrier, this);
  if (picker.exec() == QDialog::Accepted) {
    const QSignalBlocker blocker(m_ui->WorkerName);
    selectComboText(m_ui->WorkerName, picker.chosen());
  }
  WorkerNameChange();
}

void TTransOrderForm::SelectRouteBtnClick() {
  EarlierValuePickerForm picker(m_context, EarlierField::Route, this);
  if (picker.prepare(selectedComboText(m_ui->ClientName)) && picker.exec() == QDialog::Accepted)
    m_ui->Route->setText(picker.chosenText());
}

void TTransOrderForm::ExpeditionSearchBtnClick() {
  EarlierValuePickerForm picker(m_context, EarlierField::Expedition, this);
  if (picker.prepare(selectedComboText(m_ui->ClientName)) && picker.exec() == QDialog::Accepted)
    m_ui->EXPEDITION->setPlainText(picker.chosenText());
}

void TTransOrderForm::CommentSearchBtnClick() {
  if (!m_remarkPicker)
    m_remarkPicker = std::make_unique<EarlierValuePickerForm>(m_context, EarlierField::Remark, this);
  if (m_remarkPicker->prepare(QString()) && m_remarkPicker->exec() == QDialog::Accepted)
    m_ui->Comment->setPlainText(m_remarkPicker->chosenText());
}

// ---- Directory entries added from the editor

void TTransOrderForm::refill(QComboBox* combo, const QStringList& items, bool sorted, const QString& select) {
  setComboItems(combo, items, sorted);
  const QSignalBlocker blocker(combo);
  if (!select.isEmpty())
    selectComboText(combo, select);
}

void TTransOrderForm::AddClientBtnClick() {
  TClientEditForm editor(m_context, this);
  editor.prepare(EntryEditor::Mode::Create, QStringLiteral("Создание Клиента"), QStringLiteral("Создать"));
  editor.exec();
  // A client is stored with its first contact person, even when the editor is cancelled afterwards.
  guarded([&] { refill(m_ui->ClientName, m_lookups.clients(), true, editor.storedName()); });
  ClientNameChange();
}

void TTransOrderForm::AddClientFaceBtnClick() {
  const QString client = selectedComboText(m_ui->ClientName);
  qint64 clientId = 0;
  if (client.isEmpty() || !guarded([&] { clientId = m_lookups.clientId(client); }) || clientId == 0)
    return;
  TCustomerEditForm editor(m_context, clientId, client, this);
  editor.prepare(EntryEditor::Mode::Create, QStringLiteral("Новый заказчик"), QStringLiteral("Создать"));
  const bool stored = editor.exec() == QDialog::Accepted;
  guarded([&] {
    refill(m_ui->ClientFaceCombo, m_lookups.customersOf(clientId), false, stored ? editor.name() : QString());
  });
  ClientFaceComboChange();
}

void TTransOrderForm::AddWorkerBtnClick() {
  TWorkerEditForm editor(m_context, this);
  editor.prepare(EntryEditor::Mode::Create, QStringLiteral("Создание Исполнителя"), QStringLiteral("Создать"));
  editor.exec();
  // A carrier is stored with its first vehicle or manager, even when the editor is cancelled afterwards.
  guarded([&] { refill(m_ui->WorkerName, m_lookups.carriers(), true, editor.storedName()); });
  WorkerNameChange();
}

void TTransOrderForm::AddAutoBtnClick() {
  const QString carrier = selectedComboText(m_ui->WorkerName);
  qint64 carrierId = 0;
  if (carrier.isEmpty() || !guarded([&] { carrierId = m_lookups.carrierId(carrier); }) || carrierId == 0)
    return;
  TAutoEditForm editor(m_context, carrierId, carrier, this);
  editor.prepare(EntryEditor::Mode::Create, QStringLiteral("Добавление автомобиля"), QStringLiteral("Добавить"));
  editor.exec();
  // The carrier's vehicles and managers afresh: the manager is chosen again.
  WorkerNameChange();
  if (editor.storedId() != 0) {
    selectComboId(m_ui->AutoCombo, editor.storedId());
    AutoComboChange();
  }
}

void TTransOrderForm::AddDriverBtnClick() {
  const qint64 vehicleId = selectedComboId(m_ui->AutoCombo);
  if (vehicleId == 0)
    return;
  TDriverEditForm editor(m_context, vehicleId, this);
  editor.prepare(EntryEditor::Mode::Create, QStringLiteral("Добавление водителя"), QStringLiteral("Добавить"));
  editor.exec();
  AutoComboChange();
  if (editor.storedId() != 0) {
    selectComboId(m_ui->DriverCombo, editor.storedId());
    DriverComboChange();
  }
}

void TTransOrderForm::ClientManagerBtnClick() {
  openDirectory(m_context, clientsDirectory(), this);
  guarded([&] { refill(m_ui->ClientName, m_lookups.clients(), true); });
}

void TTransOrderForm::WorkerManagerBtnClick() {
  openDirectory(m_context, carriersDirectory(), this);
  guarded([&] { refill(m_ui->WorkerName, m_lookups.carriers(), true); });
}

void TTransOrderForm::SourceManagerBtnClick() {
  openDirectory(m_context, orderSourcesDirectory(), this);
  guarded([&] { refill(m_ui->OrderSourceCombo, m_lookups.sources(), false); });
}

// ---- Money page

void TTransOrderForm::CurrencyTypeChange() {
  if (m_filling)
    return;
  const QString currency = selectedComboText(m_ui->CurrencyType);
  m_grid->setCurrency(currency);
  setCurrencySuffix(currency);
  guarded([&] { m_grid->setDefaults(m_lookups.expenseDefaults(currency)); });
  TarifChange();
  if (m_ui->CashType->currentIndex() < 0)
    m_ui->CashType->setFocus();
  else
    m_ui->Grid->setFocus();
}

void TTransOrderForm::TarifChange() {
  if (m_filling)
    return;
  const QString currency = selectedComboText(m_ui->CurrencyType);
  const QString tariff = selectedComboText(m_ui->Tarif);
  double price = 0;
  if (!currency.isEmpty())
    guarded([&] { price = m_lookups.tariffDefault(tariff, currency); });
  {
    // One recalculation below, not one per signal.
    const QSignalBlocker blocker(m_ui->WayPrice);
    m_ui->WayPrice->setValue(price);
  }
  RecalcOrderSum();
  m_ui->Grid->setFocus();
}

void TTransOrderForm::GridCheckBoxClick(int row, bool ticked) {
  if (!ticked && m_grid->amount(row) &&
      !msg::confirm(this, QStringLiteral("Вы действительно хотите отменить дополнительный расход?"),
                    QStringLiteral("Подтверждение"))) {
    m_grid->setTicked(row, true);
    return;
  }
  m_grid->setAmount(row, ticked ? std::optional<double>(m_grid->defaultAmount(row)) : std::nullopt);
  RecalcOrderSum();
}

void TTransOrderForm::RecalcOrderSum() {
  if (m_filling)
    return;
  m_ui->Summ->setValue(orderSum(m_ui->WayPrice->value(), m_grid->amounts()));
  updateDebt();
}

void TTransOrderForm::RecalcProfit() {
  if (m_filling)
    return;
  m_ui->Profit->setValue(orderProfit(m_ui->ClientRUBSumm->value(), m_ui->WorkerRUBSumm->value()));
  updateDebt();
}

void TTransOrderForm::updateDebt() {
  const std::optional<double> debt =
      clientDebt(m_ui->ClientPayment->isChecked(), m_ui->Summ->value(), m_ui->ClientSumm->value());
  m_ui->MustSumm->setValue(debt.value_or(0.0));
  m_ui->MustLabel->setVisible(debt.has_value());
  m_ui->MustSumm->setVisible(debt.has_value());
}

void TTransOrderForm::PaymentClick(const PaymentSide& side, bool copyOrderSum) {
  if (m_filling)
    return;
  if (side.paid->isChecked()) {
    side.date->setDate(Clock::today());
    if (copyOrderSum)
      side.sum->setValue(m_ui->Summ->value());
    side.datePanel->show();
    UpdateRubSum(side);
  } else {
    side.datePanel->hide();
    side.roubles->setValue(0);
  }
  RecalcProfit();
}

void TTransOrderForm::UpdateRubSum(const PaymentSide& side) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const auto rate = CurrencyRates(m_context.db(), m_context.rateSource())
                        .rateOn(selectedComboText(m_ui->CurrencyType), side.date->date());
  QApplication::restoreOverrideCursor();
  if (!rate) {
    msg::failure(this, rate.error());
    return;
  }
  if (!rate->has_value()) {
    // The field keeps its value; the user may type the amount.
    msg::warning(this, QStringLiteral("Не удается определить текущий курс валюты.\n"
                                      "Повторите попытку позднее или впишите значение вручную."));
    return;
  }
  side.roubles->setValue(toRoubles(side.sum->value(), **rate));
}

// ---- Attachments

void TTransOrderForm::AddFileBtnClick() {
  const QString path = FileDialogs::instance().openFile(this, QStringLiteral("Прикрепить файл"), kAllFiles);
  if (path.isEmpty())
    return;
  const AttachmentEntry entry{path, path};
  // Stored files are told apart by name, so one order cannot hold two of a name.
  for (int row = 0; row < m_ui->Attachments->count(); ++row) {
    if (entryOf(m_ui->Attachments->item(row)).fileName().compare(entry.fileName(), Qt::CaseInsensitive) == 0) {
      msg::warning(this, QStringLiteral("Файл с именем «%1» уже прикреплен к заказу.\n"
                                        "Переименуйте файл или удалите из списка прежний.")
                             .arg(entry.fileName()));
      return;
    }
  }
  m_ui->Attachments->addItem(attachmentItem(entry));
  m_ui->Attachments->setCurrentRow(m_ui->Attachments->count() - 1);
}

void TTransOrderForm::DelFileBtnClick() {
  delete m_ui->Attachments->currentItem();
  updateFileButtons();
}

void TTransOrderForm::OpenFileBtnClick() {
  const QListWidgetItem* item = m_ui->Attachments->currentItem();
  if (!item)
    return;
  const AttachmentEntry entry = entryOf(item);
  QString path = entry.newPath;
  if (!entry.isNew()) {
    // A stored file opens from a fresh copy in the user's own folder.
    const bool written = guarded([&] {
      const std::optional<QByteArray> content = unwrap(m_repository.attachmentContent(m_orderId, entry.text));
      if (!content)
        fail(QStringLiteral("Файл «%1» не найден в базе данных.").arg(entry.text));
      const QString folder = unwrap(attachmentCopyFolder(accountName(m_context.session().user.login)));
      path = unwrap(writeAttachmentCopy(folder, entry.text, *content));
    });
    if (!written)
      return;
  }
  if (!Desktop::instance().open(QUrl::fromLocalFile(path)))
    msg::warning(this, QStringLiteral("Не удается открыть файл «%1».").arg(QDir::toNativeSeparators(path)));
}

void TTransOrderForm::SaveFileBtnClick() {
  const QListWidgetItem* item = m_ui->Attachments->currentItem();
  if (!item)
    return;
  const AttachmentEntry entry = entryOf(item);
  const QString target =
      FileDialogs::instance().saveFile(this, QStringLiteral("Сохранить файл"), entry.fileName(), kAllFiles);
  if (target.isEmpty())
    return;
  guarded([&] {
    QByteArray content;
    if (entry.isNew()) {
      content = unwrap(readFileContent(entry.newPath));
    } else {
      const std::optional<QByteArray> stored = unwrap(m_repository.attachmentContent(m_orderId, entry.text));
      if (!stored)
        fail(QStringLiteral("Файл «%1» не найден в базе данных.").arg(entry.text));
      content = *stored;
    }
    unwrap(writeFileContent(target, content));
  });
}

// ---- Saving

bool TTransOrderForm::checkComplete() {
  Ui::TTransOrderForm& ui = *m_ui;
  const auto chosen = [](const QComboBox* combo) { return combo->currentIndex() >= 0; };
  struct Required {
    QWidget* control;
    bool filled;
    QWidget* page;
  };
  const Required required[] = {
      {ui.ClientName, chosen(ui.ClientName), ui.OrderSheet},
      {ui.ClientFaceCombo, chosen(ui.ClientFaceCombo), ui.OrderSheet},
      {ui.AutoType, chosen(ui.AutoType), ui.OrderSheet},
      {ui.Route, !ui.Route->text().trimmed().isEmpty(), ui.OrderSheet},
      {ui.FREIGHT, !ui.FREIGHT->text().trimmed().isEmpty(), ui.OrderSheet},
      {ui.WorkerName, chosen(ui.WorkerName), ui.OrderSheet},
      {ui.AutoCombo, chosen(ui.AutoCombo), ui.OrderSheet},
      {ui.DriverCombo, chosen(ui.DriverCombo), ui.OrderSheet},
      {ui.WorkerManagerCombo, chosen(ui.WorkerManagerCombo), ui.OrderSheet},
      {ui.OrderSourceCombo, chosen(ui.OrderSourceCombo), ui.OrderSheet},
      {ui.SpecCombo, !m_extraShown || chosen(ui.SpecCombo), ui.OrderSheet},
      {ui.CurrencyType, chosen(ui.CurrencyType), ui.PaymentSheet},
      {ui.CashType, chosen(ui.CashType), ui.PaymentSheet},
      {ui.Tarif, chosen(ui.Tarif), ui.PaymentSheet},
  };
  for (const Required& field : required) {
    if (field.filled)
      continue;
    ui.PageControl->setCurrentWidget(field.page);
    msg::warning(this, QStringLiteral("Все обязательные поля должны быть заполнены."));
    field.control->setFocus();
    return false;
  }
  return true;
}

void TTransOrderForm::OKBtnClick() {
  if (!checkComplete())
    return;
  const OrderInput order = collectInput();
  if (order.start > order.end) {
    msg::warning(this, QStringLiteral("Неправильно заданы начало и окончание заказа."));
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Result<void> saved;
  if (m_insert) {
    const Result<qint64> id = m_repository.insert(order, m_context.session().user.id, m_context.journal());
    if (id)
      m_orderId = *id;
    else
      saved = id.error();
  } else {
    saved = m_repository.update(m_orderId, order, changeLines(m_snapshot, trackedTexts(order)), m_context.journal());
  }
  QApplication::restoreOverrideCursor();
  if (!saved) {
    // Nothing was stored; the window stays open with everything typed.
    msg::failure(this, saved.error());
    return;
  }
  accept();
}

} // namespace vh
