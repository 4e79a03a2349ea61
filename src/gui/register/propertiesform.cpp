#include "gui/register/propertiesform.h"

#include "ui_propertiesform.h"

namespace vh {

TPropertiesForm::TPropertiesForm(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TPropertiesForm>()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TPropertiesForm"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  // Room for a long name without the window jumping in size.
  m_ui->UserName->setMinimumWidth(m_ui->UserName->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
  connect(m_ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TPropertiesForm::~TPropertiesForm() = default;

void TPropertiesForm::showProperties(qint64 orderId, const OrderProperties& properties) {
  m_ui->ID->setText(QString::number(orderId));
  m_ui->DateTimeEdit->setText(
      properties.created.isValid() ? properties.created.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) : QString());
  m_ui->UserName->setText(properties.creator);
  m_ui->Status->setText(properties.done ? QStringLiteral("Архивный") : QStringLiteral("Активный"));
}

void TPropertiesForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_ui->CancelBtn->setFocus();
}

} // namespace vh
