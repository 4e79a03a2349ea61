#include "gui/directories/drivereditform.h"

namespace vh {

namespace {
PersonEditorTexts driverTexts() {
  PersonEditorTexts t;
  t.windowClass = QStringLiteral("TDriverEditForm");
  t.nameField = QStringLiteral("DriverName");
  t.phoneField = QStringLiteral("DriverPhone");
  t.nameLength = 60;
  t.phoneLength = 50;
  t.emptyName = QStringLiteral("Поле ФИО должно быть заполнено.");
  t.duplicate = QStringLiteral("Водитель с данным ФИО уже существует!");
  t.duplicateIcon = QMessageBox::Warning;
  t.table = PersonTable::drivers();
  t.createJournal = [](const QString& name) { return QStringLiteral("Добавление водителя ") + name; };
  t.editJournal = [](const QString& name) { return QStringLiteral("Редактирование водителя ") + name; };
  return t;
}
} // namespace

TDriverEditForm::TDriverEditForm(AppContext& context, qint64 vehicleId, QWidget* parent) :
    PersonEditForm(context, driverTexts(), vehicleId, parent) {}

} // namespace vh
