// The users window; its editor is TUserEditForm.
#include "core/rights/userrepository.h"
#include "gui/app/appcontext.h"
#include "gui/common/messages.h"
#include "gui/directories/directories.h"
#include "gui/directories/editoropening.h"
#include "gui/rights/usereditform.h"

namespace vh {

namespace {

// Nobody deletes the account he is working under: the office would be locked
// out if it was the last one with the right to manage users.
void deleteUser(DirectoryWindow& window, const QString& name) {
  AppContext& context = window.context();
  UserRepository users(context.db());
  const auto user = users.find(name);
  if (!user) {
    msg::failure(&window, user.error());
    return;
  }
  if (!*user) {
    window.reload();
    return;
  }
  if ((*user)->id == context.session().user.id) {
    msg::warning(&window,
                 QStringLiteral("Нельзя удалить пользователя, под именем которого выполнен вход в программу."));
    return;
  }
  if (!msg::confirm(&window, QStringLiteral("Вы действительно хотите удалить пользователя?"),
                    QStringLiteral("Подтверждение удаления")))
    return;
  // Orders keep the deleted user's ID as their author.
  const auto removed = users.remove((*user)->id, context.journal(), QStringLiteral("Удаление пользователя ") + name);
  if (!removed) {
    msg::failure(&window, removed.error());
    return;
  }
  window.removeName(name);
}

} // namespace

DirectoryDescription usersDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TUserManagerForm");
  d.caption = QStringLiteral("Управление пользователями");
  d.listName = QStringLiteral("UserListBox");
  d.listLabel = QStringLiteral("Список пользователей:");
  d.countLabel = QStringLiteral("Всего пользователей: ");
  d.table = UserRepository::table();
  d.createButton = {QStringLiteral("NewUserBtn"), QStringLiteral("Создать...")};
  d.editButton = {QStringLiteral("EditUserBtn"), QStringLiteral("Редактировать")};
  d.deleteButton = {QStringLiteral("DeleteUserBtn"), QStringLiteral("Удалить")};
  d.closeButton = {QStringLiteral("Button1"), QStringLiteral("Закрыть")};
  useEntryEditor<TUserEditForm>(d, {QStringLiteral("Создание пользователя"), QStringLiteral("Создать"),
                                    QStringLiteral("Редактирование пользователя"), QStringLiteral("Сохранить")});
  d.onDelete = &deleteUser;
  return d;
}

} // namespace vh
