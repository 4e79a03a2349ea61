#include "gui/directories/customereditform.h"

namespace vh {

namespace {
PersonEditorTexts customerTexts(const QString& organization) {
  PersonEditorTexts t;
  t.windowClass = QStringLiteral("TCustomerEditForm");
  t.nameField = QStringLiteral("CustomerName");
  t.phoneField = QStringLiteral("CustomerPhone");
  t.nameLength = 60;
  t.phoneLength = 50;
  t.emptyName = QStringLiteral("Поле ФИО должно быть заполнено.");
  t.duplicate = QStringLiteral("Заказчик с данным ФИО уже существует!");
  t.duplicateIcon = QMessageBox::Warning;
  t.table = PersonTable::contactPersons();
  t.createJournal = [organization](const QString& name) {
    return QStringLiteral("Добавление заказчика %1 (%2)").arg(name, organization);
  };
  t.editJournal = [organization](const QString& name) {
    return QStringLiteral("Редактирование заказчика %1 (%2)").arg(name, organization);
  };
  return t;
}
} // namespace

TCustomerEditForm::TCustomerEditForm(AppContext& context, qint64 clientId, const QString& organization,
                                     QWidget* parent) :
    PersonEditForm(context, customerTexts(organization), clientId, parent) {}

} // namespace vh
