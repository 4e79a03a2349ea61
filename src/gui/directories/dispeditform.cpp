#include "gui/directories/dispeditform.h"

#include "core/directories/dispatchers.h"
#include "gui/app/appcontext.h"
#include "gui/directories/directories.h"
#include "gui/directories/editoropening.h"
#include "gui/directories/namedlistactions.h"

#include "ui_dispeditform.h"

namespace vh {

TDispEditForm::TDispEditForm(AppContext& context, QWidget* parent) :
    EntryEditor(context, parent), m_ui(std::make_unique<Ui::TDispEditForm>()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TDispEditForm"));
  finishSetup(m_ui->DispnameEdit);
}

TDispEditForm::~TDispEditForm() = default;

bool TDispEditForm::load(const QString& name) {
  const auto dispatcher = DispatcherRepository(m_context.db()).byName(name);
  if (!succeeded(dispatcher) || !*dispatcher)
    return false;
  m_id = (*dispatcher)->id;
  m_ui->DispnameEdit->setText((*dispatcher)->name);
  m_ui->Contact->setPlainText((*dispatcher)->contacts);
  return true;
}

QString TDispEditForm::storedName() const {
  return result() == QDialog::Accepted ? m_ui->DispnameEdit->text() : QString();
}

bool TDispEditForm::save() {
  if (!requireFilled({m_ui->DispnameEdit, m_ui->Contact}, QStringLiteral("Все поля должны быть заполнены.")))
    return false;
  DispatcherRepository dispatchers(m_context.db());
  const Dispatcher dispatcher{m_id, m_ui->DispnameEdit->text(), m_ui->Contact->toPlainText()};
  const auto taken = dispatchers.nameTaken(dispatcher.name, m_id);
  if (!succeeded(taken))
    return false;
  if (*taken) {
    msg::information(this, QStringLiteral("Диспетчер с данным ФИО уже существует."));
    return false;
  }
  if (mode() == Mode::Create)
    return succeeded(dispatchers.create(dispatcher, m_context.journal()));
  return succeeded(dispatchers.update(dispatcher, m_context.journal()));
}

DirectoryDescription dispatchersDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TDispManagerForm");
  d.caption = QStringLiteral("Диспетчеры");
  d.listName = QStringLiteral("DispList");
  d.listLabel = QStringLiteral("ФИО диспетчеров:");
  d.countLabel = QStringLiteral("Всего диспетчеров: ");
  d.table = dispatchersTable();
  d.createButton.caption = QStringLiteral("Новый...");
  useEntryEditor<TDispEditForm>(
      d, {QStringLiteral("Новый диспетчер"), QStringLiteral("Создать"), QStringLiteral("Редактирование диспетчера")});
  useConfirmedDelete(
      d, {QStringLiteral("Вы действительно хотите удалить диспетчера?"), QStringLiteral("Удаление диспетчера"), {}});
  return d;
}

} // namespace vh
