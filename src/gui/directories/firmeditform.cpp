#include "gui/directories/firmeditform.h"

#include "gui/app/appcontext.h"
#include "gui/directories/directories.h"
#include "gui/directories/editoropening.h"
#include "gui/directories/namedlistactions.h"

#include "ui_firmeditform.h"

#include <QListWidget>

namespace vh {

TFirmEditForm::TFirmEditForm(AppContext& context, QWidget* parent) :
    EntryEditor(context, parent), m_ui(std::make_unique<Ui::TFirmEditForm>()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TFirmEditForm"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  finishSetup(m_ui->FirmName);
}

TFirmEditForm::~TFirmEditForm() = default;

bool TFirmEditForm::load(const QString& name) {
  const auto firm = FirmRepository(m_context.db()).byName(name);
  if (!succeeded(firm) || !*firm)
    return false;
  m_stored = **firm;
  m_ui->FirmName->setText(m_stored.name);
  m_ui->Phones->setText(m_stored.phones);
  m_ui->BankDetails->setPlainText(m_stored.bankDetails);
  return true;
}

QString TFirmEditForm::storedName() const {
  return result() == QDialog::Accepted ? m_ui->FirmName->text() : QString();
}

bool TFirmEditForm::save() {
  if (!requireFilled({m_ui->FirmName}, QStringLiteral("Не задано наименование фирмы.")))
    return false;
  Firm firm = m_stored;
  firm.name = m_ui->FirmName->text();
  firm.phones = m_ui->Phones->text();
  firm.bankDetails = m_ui->BankDetails->toPlainText();
  FirmRepository firms(m_context.db());
  if (mode() == Mode::Create)
    return succeeded(firms.create(firm, m_context.journal()));
  return succeeded(firms.update(firm, m_stored.name, m_context.journal()));
}

namespace {
void makeDefault(DirectoryWindow& window, const QString& name) {
  const auto marked = FirmRepository(window.context().db()).setDefault(name);
  if (!marked) {
    msg::failure(&window, marked.error());
    return;
  }
  msg::plain(&window, QStringLiteral("Фирма %1 установлена по умолчанию.").arg(name));
  if (auto* list = window.findChild<QListWidget*>(window.description().listName))
    list->setFocus();
}
} // namespace

DirectoryDescription firmsDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TFirmManagerForm");
  d.caption = QStringLiteral("Фирмы и реквизиты");
  d.listName = QStringLiteral("FirmList");
  d.listLabel = QStringLiteral("Наименования фирм:");
  d.countLabel = QStringLiteral("Всего фирм: ");
  d.table = firmsTable();
  d.createButton = {QStringLiteral("AddBtn"), QStringLiteral("Добавить...")};
  d.deleteButton.name = QStringLiteral("DelBtn");
  d.closeButton.name = QStringLiteral("CancelBtn");
  useEntryEditor<TFirmEditForm>(
      d, {QStringLiteral("Добавление фирмы"), QStringLiteral("Добавить"), QStringLiteral("Редактирование фирмы")});
  useConfirmedDelete(d, {QStringLiteral("Вы действительно хотите удалить фирму?"), QStringLiteral("Удаление"), {}});
  d.extras.append({{QStringLiteral("ToDefaultBtn"), QStringLiteral("По умолчанию")}, &makeDefault});
  return d;
}

} // namespace vh
