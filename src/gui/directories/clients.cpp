// The clients window; its editor is TClientEditForm.
#include "core/directories/clientrepository.h"
#include "gui/directories/clienteditform.h"
#include "gui/directories/directories.h"
#include "gui/directories/editoropening.h"
#include "gui/directories/namedlistactions.h"

namespace vh {

DirectoryDescription clientsDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TClientManagerForm");
  d.caption = QStringLiteral("Менеджер Клиентов");
  d.listName = QStringLiteral("ClientListBox");
  d.listLabel = QStringLiteral("Список Клиентов:");
  d.countLabel = QStringLiteral("Всего Клиентов: ");
  d.table = ClientRepository::table();
  useEntryEditor<TClientEditForm>(d, {QStringLiteral("Создание Клиента"), QStringLiteral("Создать"),
                                      QStringLiteral("Редактирование Клиента"), QStringLiteral("Сохранить")});
  // Its contact persons and orders keep the client's ID.
  useConfirmedDelete(d, {QStringLiteral("Вы действительно хотите удалить Клиента?"),
                         QStringLiteral("Подтверждение удаления"),
                         [](const QString& name) { return QStringLiteral("Удаление Клиента ") + name; }});
  return d;
}

} // namespace vh
