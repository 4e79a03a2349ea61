#include "gui/app/loginform.h"

#include "gui/common/messages.h"
#include "ui_loginform.h"

#include <QLinearGradient>
#include <QPainter>
#include <QSettings>

namespace vh {

namespace {
const QString kLastLoginKey = QStringLiteral("Login/LastLogin");
}

TLoginForm::TLoginForm(Database& db, QWidget* parent) :
    QDialog(parent), m_ui(std::make_unique<Ui::TLoginForm>()), m_db(db) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TLoginForm"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

  QFont title = m_ui->Label3->font();
  title.setPointSizeF(title.pointSizeF() * 1.25);
  title.setBold(true);
  m_ui->Label3->setFont(title);
  m_ui->Label3->setStyleSheet(QStringLiteral("color: #123a63;"));
  m_ui->Image1->setPixmap(QIcon(QStringLiteral(":/icons/logo.svg")).pixmap(56, 56));

  QFont bold = m_ui->Password->font();
  bold.setBold(true);
  m_ui->Password->setFont(bold);
  // Every character shows as a vertical bar.
  m_ui->Password->setStyleSheet(QStringLiteral("lineedit-password-character: 124;"));

  m_ui->Login->setText(rememberedLogin());
  connect(m_ui->OKBtn, &QPushButton::clicked, this, &TLoginForm::OKBtnClick);
  connect(m_ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TLoginForm::~TLoginForm() = default;

QString TLoginForm::rememberedLogin() {
  return QSettings().value(kLastLoginKey, QStringLiteral("Administrator")).toString();
}

void TLoginForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_ui->Login->setFocus();
}

void TLoginForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0.0, QColor(0xf4, 0xf8, 0xfc));
  gradient.setColorAt(1.0, QColor(0xc9, 0xda, 0xec));
  painter.fillRect(rect(), gradient);
}

void TLoginForm::OKBtnClick() {
  const QString login = m_ui->Login->text();
  const QString password = m_ui->Password->text();
  if (login.isEmpty() || password.isEmpty()) {
    msg::error(this, QStringLiteral("Для входа в программу необходимо ввести логин и пароль."));
    return;
  }
  const auto result = LoginService(m_db).login(login, password);
  if (!result) {
    msg::failure(this, result.error());
    return;
  }
  if (!*result) {
    msg::error(this, QStringLiteral("Нет доступа!"));
    return;
  }
  m_outcome = **result;
  QSettings().setValue(kLastLoginKey, login);
  accept();
}

} // namespace vh
