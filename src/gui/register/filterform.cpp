#include "gui/register/filterform.h"

#include "core/common/clock.h"
#include "gui/app/appcontext.h"
#include "gui/common/comboutil.h"
#include "gui/common/messages.h"
#include "gui/common/rightsapplier.h"
#include "ui_filterform.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QCompleter>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace vh {

namespace {

const QString kActive = QStringLiteral("Активный");
const QString kArchived = QStringLiteral("Архивный");
const QString kAll = QStringLiteral("Все");
const QString kCash = QStringLiteral("Наличный");
const QString kCashless = QStringLiteral("Безналичный");

// A number box's bound; an empty box is no bound on that side.
template <typename T> std::optional<T> bound(const QLineEdit* box) {
  const QString text = box->text().trimmed();
  if (text.isEmpty())
    return std::nullopt;
  return T(text.toLongLong());
}

// The time boxes show minutes, so a period runs from the first second of its
// first minute to the last second of its last one.
QDateTime periodStart(const QDateEdit* date, const QTimeEdit* time) {
  return QDateTime(date->date(), QTime(time->time().hour(), time->time().minute(), 0));
}
QDateTime periodEnd(const QDateEdit* date, const QTimeEdit* time) {
  return QDateTime(date->date(), QTime(time->time().hour(), time->time().minute(), 59));
}

// A choice list keeps its entry by name, never by position: an entry added
// meanwhile must not change what the user chose.
void refillChoice(QComboBox* combo, const QStringList& items) {
  const QString chosen = selectedComboText(combo);
  const QSignalBlocker blocker(combo);
  setComboItems(combo, items, true);
  combo->setCurrentIndex(combo->findText(chosen));
}

void refillTyped(QComboBox* combo, const QStringList& items) {
  const QString typed = combo->currentText();
  setComboItems(combo, items, true);
  combo->setEditText(typed);
}

} // namespace

TFilterForm::TFilterForm(AppContext& context, QWidget* parent) :
    QDialog(parent), m_ui(std::make_unique<Ui::TFilterForm>()), m_context(context) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TFilterForm"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  const QLocale russian(QLocale::Russian, QLocale::Russia);
  for (QDateEdit* date : dateBoxes()) {
    date->setLocale(russian);
    date->setDisplayFormat(russian.dateFormat(QLocale::LongFormat));
    date->calendarWidget()->setLocale(russian);
  }
  auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,15}")), this);
  for (QLineEdit* box : numberBoxes())
    box->setValidator(digits);
  // Typed lists offer the names that contain what is typed, and leave the
  // text as typed until the user picks one.
  for (QComboBox* typed : typedLists()) {
    typed->completer()->setCompletionMode(QCompleter::PopupCompletion);
    typed->completer()->setFilterMode(Qt::MatchContains);
  }
  m_ui->Status->addItems({kActive, kArchived, kAll});
  m_ui->Nal->addItems({kCash, kCashless});

  m_criteria = {
      {m_ui->IDFilter, {m_ui->Begin_ID, m_ui->End_ID}},
      {m_ui->RegPeriodFilter, {m_ui->BeginRegDate, m_ui->BeginRegTime, m_ui->EndRegDate, m_ui->EndRegTime}},
      {m_ui->UsernameFilter, {m_ui->Username}},
      {m_ui->StatusFilter, {m_ui->Status}},
      {m_ui->StartFilter, {m_ui->BeginStartDate, m_ui->BeginStartTime, m_ui->EndStartDate, m_ui->EndStartTime}},
      {m_ui->SourceFilter, {m_ui->Source, m_ui->SpecStack}},
      {m_ui->RouteKeywordFilter, {m_ui->RouteKeyword}},
      {m_ui->CommandFilter, {m_ui->Command}},
      {m_ui->AutoNumberFilter, {m_ui->AutoNumber}},
      {m_ui->AutoNameFilter, {m_ui->AutoName}},
      {m_ui->ClientFilter, {m_ui->Client}},
      {m_ui->ClientFaceFilter, {m_ui->ClientFace}},
      {m_ui->WorkerFilter, {m_ui->Worker}},
      {m_ui->DriverFilter, {m_ui->Driver}},
      {m_ui->GroupFilter, {m_ui->Group}},
      {m_ui->SummFilter, {m_ui->BeginSumm, m_ui->EndSumm}},
      {m_ui->NalFilter, {m_ui->Nal}},
  };
  // A criterion's controls are live only while it applies, so the window shows
  // at a glance what narrows the register.
  for (const auto& [box, controls] : m_criteria) {
    for (QWidget* control : controls)
      control->setEnabled(false);
    connect(box, &QCheckBox::toggled, this, [controls = controls](bool on) {
      for (QWidget* control : controls)
        control->setEnabled(on);
    });
  }

  // As the window starts: numbers 0, both periods today, nothing chosen, cash.
  m_ui->Status->setCurrentIndex(-1);
  resetBoxes();
  m_ui->SpecStack->setCurrentWidget(m_ui->Blocked);

  connect(m_ui->ApplyBtn, &QPushButton::clicked, this, &TFilterForm::ApplyBtnClick);
  connect(m_ui->CancelBtn, &QPushButton::clicked, this, &TFilterForm::CancelBtnClick);
  connect(m_ui->DefaultBtn, &QPushButton::clicked, this, &TFilterForm::DefaultBtnClick);
  connect(m_ui->Source, &QComboBox::currentIndexChanged, this, &TFilterForm::SourceChange);
  applyRights(this, m_context.session().rights);
}

TFilterForm::~TFilterForm() = default;

QList<QLineEdit*> TFilterForm::numberBoxes() const {
  return {m_ui->Begin_ID, m_ui->End_ID, m_ui->BeginSumm, m_ui->EndSumm};
}

QList<QDateEdit*> TFilterForm::dateBoxes() const {
  return {m_ui->BeginRegDate, m_ui->EndRegDate, m_ui->BeginStartDate, m_ui->EndStartDate};
}

QList<QComboBox*> TFilterForm::typedLists() const {
  return {m_ui->AutoNumber, m_ui->AutoName, m_ui->Client, m_ui->ClientFace, m_ui->Worker, m_ui->Driver};
}

void TFilterForm::resetBoxes() {
  for (QLineEdit* box : numberBoxes())
    box->setText(QStringLiteral("0"));
  const QDate today = Clock::today();
  for (QDateEdit* date : dateBoxes())
    date->setDate(today);
  for (QTimeEdit* time : {m_ui->BeginRegTime, m_ui->BeginStartTime})
    time->setTime(QTime(0, 0, 0));
  for (QTimeEdit* time : {m_ui->EndRegTime, m_ui->EndStartTime})
    time->setTime(QTime(23, 59, 59));
}

Result<void> TFilterForm::refreshLists() {
  auto lists = OrderFilterRepository(m_context.db()).lists();
  if (!lists)
    return lists.error();
  refillChoice(m_ui->Username, lists->logins);
  refillChoice(m_ui->Source, lists->sources);
  refillChoice(m_ui->Group, lists->groups);
  refillChoice(m_ui->Command, lists->vehicleTypes);
  refillTyped(m_ui->Client, lists->clients);
  refillTyped(m_ui->ClientFace, lists->contacts);
  refillTyped(m_ui->Worker, lists->carriers);
  refillTyped(m_ui->AutoNumber, lists->plates);
  refillTyped(m_ui->AutoName, lists->makes);
  refillTyped(m_ui->Driver, lists->drivers);
  return fillSpecCombo();
}

// The second list belongs to the sources that record an advertising channel
// or a dispatcher; for any other source it is covered.
Result<void> TFilterForm::fillSpecCombo() {
  const SourceDetail detail = sourceDetailOf(selectedComboText(m_ui->Source));
  if (detail == SourceDetail::None) {
    m_ui->SpecStack->setCurrentWidget(m_ui->Blocked);
    setComboItems(m_ui->SpecCombo, {}, false);
    return {};
  }
  const auto details = OrderFilterRepository(m_context.db()).sourceDetails(detail);
  if (!details) {
    m_ui->SpecStack->setCurrentWidget(m_ui->Blocked);
    return details.error();
  }
  m_ui->SpecLabel->setText(detail == SourceDetail::Advert ? QStringLiteral("Вид рекламы:")
                                                          : QStringLiteral("ФИО диспетчера:"));
  refillChoice(m_ui->SpecCombo, *details);
  m_ui->SpecStack->setCurrentWidget(m_ui->SpecPage);
  return {};
}

void TFilterForm::SourceChange() {
  const Result<void> filled = fillSpecCombo();
  if (!filled)
    msg::failure(this, filled.error());
}

OrderFilter TFilterForm::criteria() const {
  OrderFilter f;
  const Ui::TFilterForm& ui = *m_ui;
  if (ui.IDFilter->isChecked())
    f.numbers = Bounds<qint64>{bound<qint64>(ui.Begin_ID), bound<qint64>(ui.End_ID)};
  if (ui.RegPeriodFilter->isChecked())
    f.registered =
        Bounds<QDateTime>{periodStart(ui.BeginRegDate, ui.BeginRegTime), periodEnd(ui.EndRegDate, ui.EndRegTime)};
  if (ui.UsernameFilter->isChecked())
    f.authorLogin = selectedComboText(ui.Username);
  if (ui.StatusFilter->isChecked()) {
    const QString status = selectedComboText(ui.Status);
    f.status = status == kActive     ? OrderFilter::Status::Active
               : status == kArchived ? OrderFilter::Status::Archived
                                     : OrderFilter::Status::Any;
  }
  if (ui.StartFilter->isChecked())
    f.started = Bounds<QDateTime>{periodStart(ui.BeginStartDate, ui.BeginStartTime),
                                  periodEnd(ui.EndStartDate, ui.EndStartTime)};
  if (ui.SourceFilter->isChecked()) {
    f.source = selectedComboText(ui.Source);
    f.sourceDetail = selectedComboText(ui.SpecCombo);
  }
  if (ui.RouteKeywordFilter->isChecked())
    f.routeKeyword = ui.RouteKeyword->text();
  if (ui.CommandFilter->isChecked())
    f.vehicleType = selectedComboText(ui.Command);
  if (ui.AutoNumberFilter->isChecked())
    f.plate = ui.AutoNumber->currentText();
  if (ui.AutoNameFilter->isChecked())
    f.make = ui.AutoName->currentText();
  if (ui.ClientFilter->isChecked())
    f.client = ui.Client->currentText();
  if (ui.ClientFaceFilter->isChecked())
    f.contact = ui.ClientFace->currentText();
  if (ui.WorkerFilter->isChecked())
    f.carrier = ui.Worker->currentText();
  if (ui.DriverFilter->isChecked())
    f.driver = ui.Driver->currentText();
  if (ui.GroupFilter->isChecked())
    f.group = selectedComboText(ui.Group);
  if (ui.SummFilter->isChecked())
    f.amount = Bounds<double>{bound<double>(ui.BeginSumm), bound<double>(ui.EndSumm)};
  if (ui.NalFilter->isChecked())
    f.payment = selectedComboText(ui.Nal) == kCashless ? OrderFilter::Payment::Cashless : OrderFilter::Payment::Cash;
  return f;
}

void TFilterForm::ApplyBtnClick() {
  m_outcome = Outcome::Applied;
  accept();
}

void TFilterForm::CancelBtnClick() {
  reject();
}

// Esc and "Отмена" cancel the filter; the close button only closes.
void TFilterForm::reject() {
  m_outcome = m_closing ? Outcome::Closed : Outcome::Cancelled;
  QDialog::reject();
}

void TFilterForm::closeEvent(QCloseEvent* event) {
  m_closing = true;
  QDialog::closeEvent(event);
  m_closing = false;
}

void TFilterForm::DefaultBtnClick() {
  for (const auto& criterion : m_criteria)
    criterion.first->setChecked(false);
  resetBoxes();
  for (QComboBox* choice : {m_ui->Username, m_ui->Source, m_ui->Group, m_ui->Command})
    choice->setCurrentIndex(-1);
  for (QComboBox* typed : typedLists()) {
    typed->setCurrentIndex(-1);
    typed->clearEditText();
  }
  m_ui->Status->setCurrentText(kActive);
  m_ui->RouteKeyword->clear();
  m_ui->Nal->setCurrentText(kCash);
}

void TFilterForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_outcome = Outcome::Closed;
  m_ui->ApplyBtn->setFocus();
}

} // namespace vh
