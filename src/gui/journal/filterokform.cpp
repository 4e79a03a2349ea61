#include "gui/journal/filterokform.h"

#include "ui_filterokform.h"

namespace vh {

TFilterokForm::TFilterokForm(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TFilterokForm>()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TFilterokForm"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  for (QCalendarWidget* calendar : {m_ui->BeginDate, m_ui->EndDate})
    calendar->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
  connect(m_ui->ApplyBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TFilterokForm::~TFilterokForm() = default;

void TFilterokForm::reset(const QDate& begin, const QDate& end, const QStringList& logins) {
  m_ui->BeginDate->setSelectedDate(begin);
  m_ui->EndDate->setSelectedDate(end);
  m_ui->Login->clear();
  m_ui->Login->addItem(QString());
  m_ui->Login->addItems(logins);
}

JournalFilter TFilterokForm::filter() const {
  return {m_ui->BeginDate->selectedDate(), m_ui->EndDate->selectedDate(), m_ui->Login->currentText()};
}

void TFilterokForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_ui->BeginDate->setFocus();
}

} // namespace vh
