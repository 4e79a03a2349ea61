#include "gui/register/finddialog.h"

#include "ui_finddialog.h"

namespace vh {

FindDialog::FindDialog(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::FindDialog>()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("FindDialog"));
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  m_ui->FindNextBtn->setEnabled(false);
  connect(m_ui->FindText, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_ui->FindNextBtn->setEnabled(!text.isEmpty()); });
  connect(m_ui->FindNextBtn, &QPushButton::clicked, this, [this] { Q_EMIT findNext(request()); });
  connect(m_ui->CancelBtn, &QPushButton::clicked, this, &QDialog::close);
}

FindDialog::~FindDialog() = default;

FindRequest FindDialog::request() const {
  return {m_ui->FindText->text(), m_ui->MatchCase->isChecked(), m_ui->WholeWord->isChecked(), m_ui->Down->isChecked()};
}

} // namespace vh
