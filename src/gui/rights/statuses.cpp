// The permission statuses window: statuses are created and renamed through
// the input box and composed in the permission editor TStatusEditForm.
#include "core/rights/statusrepository.h"
#include "gui/app/appcontext.h"
#include "gui/common/messages.h"
#include "gui/directories/directories.h"
#include "gui/directories/directorywindow.h"
#include "gui/directories/namedlistactions.h"
#include "gui/rights/statuseditform.h"

namespace vh {

namespace {

void openPermissions(DirectoryWindow& window, const QString& name, bool justCreated) {
  TStatusEditForm editor(window.context(), &window);
  if (editor.load(name, justCreated))
    editor.exec();
  else
    window.reload();
}

// Users keep a deleted status's ID and, without its rows, log in unrestricted:
// deleting a status that people hold is confirmed with their number.
void deleteStatus(DirectoryWindow& window, const QString& name) {
  StatusRepository statuses(window.context().db());
  const auto holders = statuses.holders(name);
  if (!holders) {
    msg::failure(&window, holders.error());
    return;
  }
  QString question = QStringLiteral("Вы действительно хотите удалить Статус?");
  if (*holders > 0) {
    question += QStringLiteral("\nСтатус назначен пользователям: %1. До назначения им другого статуса они будут "
                               "работать без ограничений.")
                    .arg(*holders);
  }
  if (!msg::confirm(&window, question, QStringLiteral("Подтверждение удаления")))
    return;
  const auto removed = statuses.remove(name);
  if (!removed) {
    msg::failure(&window, removed.error());
    return;
  }
  window.removeName(name);
}

} // namespace

DirectoryDescription statusesDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TStatusManagerForm");
  d.caption = QStringLiteral("Статусы полномочий");
  d.listName = QStringLiteral("StatusListBox");
  d.listLabel = QStringLiteral("Список Статусов:");
  d.countLabel = QStringLiteral("Всего статусов: ");
  d.table = StatusRepository::table();

  InputBoxTexts texts;
  texts.createCaption = QStringLiteral("Новый статус");
  texts.createPrompt = QStringLiteral("Название:");
  texts.createDuplicate = texts.renameDuplicate = QStringLiteral("Статус с данным названием уже существует!");
  texts.createJournal = [](const QString& name) { return QStringLiteral("Создание статуса ") + name; };
  texts.renameCaption = QStringLiteral("Переименование статуса");
  texts.renamePrompt = QStringLiteral("Новое название:");
  texts.renameJournal = [](const QString& oldName, const QString& newName) {
    return QStringLiteral("Переименование статуса %1 на %2").arg(oldName, newName);
  };
  // Cut before the duplicate test, so that two names equal in their first
  // characters cannot both be stored as the same name.
  texts.maxLength = StatusRepository::kNameLength;

  // A new status goes straight into the permission editor.
  d.onCreate = [texts](DirectoryWindow& window) {
    const QString name = createByInputBox(window, texts);
    if (!name.isEmpty())
      openPermissions(window, name, true);
  };
  d.onEdit = [](DirectoryWindow& window, const QString& name) { openPermissions(window, name, false); };
  d.onDelete = &deleteStatus;
  d.extras = {{{QStringLiteral("RenameBtn"), QStringLiteral("Переименовать")},
               [texts](DirectoryWindow& window, const QString& name) { renameByInputBox(window, name, texts); }}};
  return d;
}

} // namespace vh
