#include "gui/directories/managereditform.h"

namespace vh {

namespace {
PersonEditorTexts managerTexts(const QString& carrierName) {
  PersonEditorTexts t;
  t.windowClass = QStringLiteral("TManagerEditForm");
  t.nameField = QStringLiteral("ManagerName");
  t.phoneField = QStringLiteral("ManagerPhone");
  t.nameLength = 255;
  t.phoneLength = 0;
  t.emptyName = QStringLiteral("Не задано имя менеджера.");
  t.duplicate = QStringLiteral("Менеджер с данным именем уже существует.");
  t.duplicateIcon = QMessageBox::Information;
  t.table = PersonTable::managers();
  t.createJournal = [carrierName](const QString& name) {
    return QStringLiteral("Создание менеджера %1 исполнителю %2").arg(name, carrierName);
  };
  t.editJournal = [carrierName](const QString& name) {
    return QStringLiteral("Редактирование менеджера %1 исполнителя %2").arg(name, carrierName);
  };
  return t;
}
} // namespace

TManagerEditForm::TManagerEditForm(AppContext& context, qint64 carrierId, const QString& carrierName, QWidget* parent) :
    PersonEditForm(context, managerTexts(carrierName), carrierId, parent) {}

} // namespace vh
