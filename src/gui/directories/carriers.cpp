// The carriers window; its editor is TWorkerEditForm.
#include "core/directories/carrierrepository.h"
#include "gui/directories/directories.h"
#include "gui/directories/editoropening.h"
#include "gui/directories/namedlistactions.h"
#include "gui/directories/workereditform.h"

namespace vh {

DirectoryDescription carriersDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TWorkerManagerForm");
  d.caption = QStringLiteral("Транспортные компании");
  d.listName = QStringLiteral("WorkerListBox");
  d.listLabel = QStringLiteral("Наименования транспортных компаний:");
  d.countLabel = QStringLiteral("Всего транспортных компаний: ");
  d.table = CarrierRepository::table();
  useEntryEditor<TWorkerEditForm>(d, {QStringLiteral("Создание транспортной компании"), QStringLiteral("Создать"),
                                      QStringLiteral("Редактирование транспортной компании"),
                                      QStringLiteral("Сохранить")});
  // Its vehicles, managers and orders keep the carrier's ID.
  useConfirmedDelete(d, {QStringLiteral("Вы действительно хотите удалить Исполнителя?"),
                         QStringLiteral("Подтверждение удаления"),
                         [](const QString& name) { return QStringLiteral("Удаление Исполнителя ") + name; }});
  return d;
}

} // namespace vh
