#include "gui/rights/usereditform.h"

#include "core/rights/statusrepository.h"
#include "core/rights/userrepository.h"
#include "gui/app/appcontext.h"
#include "gui/common/comboutil.h"
#include "gui/common/dialogs.h"
#include "gui/common/messages.h"
#include "gui/directories/directories.h"

#include "ui_usereditform.h"

namespace vh {

TUserEditForm::TUserEditForm(AppContext& context, QWidget* parent) :
    EntryEditor(context, parent), m_ui(std::make_unique<Ui::TUserEditForm>()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TUserEditForm"));
  connect(m_ui->StatusManagerBtn, &QPushButton::clicked, this, &TUserEditForm::StatusManagerBtnClick);
  connect(m_ui->OrderColor, &QPushButton::clicked, this, &TUserEditForm::OrderColorClick);
  reloadStatuses();
  showColor();
  finishSetup(m_ui->UsernameEdit);
}

TUserEditForm::~TUserEditForm() = default;

bool TUserEditForm::load(const QString& fullName) {
  const auto user = UserRepository(m_context.db()).find(fullName);
  if (!succeeded(user) || !*user)
    return false;
  m_id = (*user)->id;
  m_storedName = (*user)->fullName;
  m_ui->UsernameEdit->setText((*user)->fullName);
  m_ui->LoginEdit->setText((*user)->login);
  m_ui->LoginEdit->setEnabled(false);
  // The stored password stays unless a new one is typed.
  m_ui->ParoleEdit->clear();
  m_ui->ParoleEdit->setPlaceholderText(QStringLiteral("не изменять"));
  m_ui->ParoleMark->setVisible(false);
  selectComboText(m_ui->Status, (*user)->status);
  m_color = parseColorText((*user)->color).value_or(OrderColor{});
  showColor();
  return true;
}

void TUserEditForm::reloadStatuses() {
  const auto names = StatusRepository(m_context.db()).names();
  if (succeeded(names))
    setComboItems(m_ui->Status, *names, true);
}

void TUserEditForm::StatusManagerBtnClick() {
  openDirectory(m_context, statusesDirectory(), this);
  // The statuses may have been renamed or deleted: the user chooses again.
  reloadStatuses();
}

void TUserEditForm::OrderColorClick() {
  const QColor current(m_color.red, m_color.green, m_color.blue);
  if (const auto chosen = ColorPicker::instance().pick(this, current)) {
    m_color = {chosen->red(), chosen->green(), chosen->blue()};
    showColor();
  }
}

void TUserEditForm::showColor() {
  m_ui->OrderColor->setStyleSheet(QStringLiteral("QPushButton { background-color: rgb(%1, %2, %3); "
                                                 "border: 1px solid #808080; border-radius: 2px; }")
                                      .arg(m_color.red)
                                      .arg(m_color.green)
                                      .arg(m_color.blue));
}

bool TUserEditForm::save() {
  QList<QWidget*> required{m_ui->UsernameEdit, m_ui->LoginEdit, m_ui->Status};
  // A new user needs a password; an existing one keeps his when the box is left empty.
  if (mode() == Mode::Create)
    required.insert(2, m_ui->ParoleEdit);
  if (!requireFilled(required, QStringLiteral("Все поля должны быть заполнены.")))
    return false;

  const UserRecord user{m_id, m_ui->UsernameEdit->text(), m_ui->LoginEdit->text(), selectedComboText(m_ui->Status),
                        formatColorText(m_color)};
  UserRepository users(m_context.db());
  // The users window finds, edits and deletes a user by his full name: it must stay unique.
  const auto nameTaken = users.fullNameTaken(user.fullName, m_id);
  if (!succeeded(nameTaken))
    return false;
  if (*nameTaken) {
    msg::information(this, QStringLiteral("Пользователь с данным именем уже существует."));
    return false;
  }
  const auto loginTaken = users.loginTaken(user.login, m_id);
  if (!succeeded(loginTaken))
    return false;
  if (*loginTaken) {
    msg::information(this, QStringLiteral("Пользователь с данным логином уже существует."));
    return false;
  }

  const QString password = m_ui->ParoleEdit->text();
  if (m_id == 0) {
    const auto id =
        users.insert(user, password, m_context.journal(), QStringLiteral("Создание пользователя ") + user.fullName);
    if (!succeeded(id))
      return false;
    m_id = *id;
  } else if (!succeeded(users.update(user, password, m_context.journal(),
                                     QStringLiteral("Редактирование пользователя ") + user.fullName))) {
    return false;
  }
  m_storedName = user.fullName;
  return true;
}

} // namespace vh
