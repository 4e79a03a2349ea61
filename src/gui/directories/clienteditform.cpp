#include "gui/directories/clienteditform.h"

#include "core/directories/clientrepository.h"
#include "core/directories/personrepository.h"
#include "gui/app/appcontext.h"
#include "gui/common/comboutil.h"
#include "gui/common/messages.h"
#include "gui/directories/customereditform.h"
#include "gui/directories/dependentlist.h"
#include "gui/directories/directories.h"

#include "ui_clienteditform.h"

namespace vh {

namespace {
const QString kDuplicate = QStringLiteral("Данная организация уже числится в клиентах.");
}

TClientEditForm::TClientEditForm(AppContext& context, QWidget* parent) :
    EntryEditor(context, parent), m_ui(std::make_unique<Ui::TClientEditForm>()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TClientEditForm"));
  m_persons = new DependentList(m_ui->ClientNames, m_ui->AddBtn, m_ui->EditBtn, m_ui->DelBtn, false);
  m_persons->onAdd = [this] { addPerson(); };
  m_persons->onEdit = [this](const ListEntry& person) { editPerson(person); };
  m_persons->onRemove = [this](const ListEntry& person) { deletePerson(person); };
  connect(m_ui->GroupManagerBtn, &QPushButton::clicked, this, &TClientEditForm::GroupManagerBtnClick);
  reloadGroups();
  finishSetup(m_ui->ClientOrganization);
}

TClientEditForm::~TClientEditForm() = default;

QString TClientEditForm::organization() const {
  return m_ui->ClientOrganization->text();
}

bool TClientEditForm::load(const QString& organization) {
  const auto client = ClientRepository(m_context.db()).find(organization);
  if (!succeeded(client) || !*client)
    return false;
  m_id = (*client)->id;
  m_storedName = (*client)->organization;
  m_ui->ClientOrganization->setText((*client)->organization);
  selectComboText(m_ui->ClientGroup, (*client)->group);
  m_ui->ClientContacts->setPlainText((*client)->contacts);
  reloadPersons(0);
  return true;
}

void TClientEditForm::reloadGroups() {
  const auto groups = ClientRepository(m_context.db()).groupNames();
  if (succeeded(groups))
    setComboItems(m_ui->ClientGroup, *groups, true);
}

void TClientEditForm::reloadPersons(qint64 selectId) {
  const auto names = PersonRepository(m_context.db(), PersonTable::contactPersons()).names(m_id);
  if (succeeded(names))
    m_persons->setEntries(*names, selectId);
}

void TClientEditForm::GroupManagerBtnClick() {
  openDirectory(m_context, clientGroupsDirectory(), this);
  // The groups may have been renamed or deleted: the user chooses again.
  reloadGroups();
}

bool TClientEditForm::storeBeforeFirstPerson() {
  const QString name = organization();
  if (name.isEmpty()) {
    msg::warning(this, QStringLiteral("Поле «Клиент» должно быть заполнено."));
    return false;
  }
  ClientRepository clients(m_context.db());
  const auto taken = clients.nameTaken(name);
  if (!succeeded(taken))
    return false;
  if (*taken) {
    msg::information(this, kDuplicate);
    return false;
  }
  const auto id = clients.insertName(name, m_context.journal(), QStringLiteral("Создание Клиента ") + name);
  if (!succeeded(id))
    return false;
  m_id = *id;
  m_storedName = name;
  return true;
}

void TClientEditForm::addPerson() {
  if (m_id == 0 && !storeBeforeFirstPerson())
    return;
  TCustomerEditForm editor(m_context, m_id, organization(), this);
  editor.prepare(Mode::Create, QStringLiteral("Новый заказчик"), QStringLiteral("Создать"));
  editor.exec();
  reloadPersons(editor.storedId());
}

void TClientEditForm::editPerson(const ListEntry& person) {
  TCustomerEditForm editor(m_context, m_id, organization(), this);
  editor.prepare(Mode::Edit, QStringLiteral("Редактирование заказчика"), QStringLiteral("Сохранить"));
  if (editor.load(person.id))
    editor.exec();
  reloadPersons(person.id);
}

void TClientEditForm::deletePerson(const ListEntry& person) {
  if (!msg::confirm(this,
                    QStringLiteral("Внимание! Удаление заказчика отразится на существующих заказах от данного "
                                   "клиента!\nВы действительно хотите удалить заказчика?"),
                    QStringLiteral("Подтверждение удаления")))
    return;
  const auto removed = PersonRepository(m_context.db(), PersonTable::contactPersons())
                           .remove(person.id, m_context.journal(),
                                   QStringLiteral("Удаление заказчика %1 (%2)").arg(person.text, organization()));
  if (succeeded(removed))
    reloadPersons(0);
}

bool TClientEditForm::save() {
  if (!requireFilled({m_ui->ClientNames, m_ui->ClientOrganization, m_ui->ClientGroup, m_ui->ClientContacts},
                     QStringLiteral("Все поля должны быть заполнены.")))
    return false;
  // A client is stored before its first contact person, so it exists here.
  const ClientRecord client{m_id, organization(), selectedComboText(m_ui->ClientGroup),
                            m_ui->ClientContacts->toPlainText()};
  ClientRepository clients(m_context.db());
  // Orders and look-ups find a client by its name: two clients must never share one.
  const auto taken = clients.nameTaken(client.organization, m_id);
  if (!succeeded(taken))
    return false;
  if (*taken) {
    msg::information(this, kDuplicate);
    return false;
  }
  if (!succeeded(
          clients.update(client, m_context.journal(), QStringLiteral("Редактирование Клиента ") + client.organization)))
    return false;
  m_storedName = client.organization;
  return true;
}

} // namespace vh
