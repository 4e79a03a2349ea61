#include "gui/directories/workereditform.h"

#include "core/directories/personrepository.h"
#include "core/directories/vehiclerepository.h"
#include "gui/app/appcontext.h"
#include "gui/common/messages.h"
#include "gui/directories/autoeditform.h"
#include "gui/directories/dependentlist.h"
#include "gui/directories/managereditform.h"

#include "ui_workereditform.h"

namespace vh {

namespace {
const QString kNoName = QStringLiteral("Не указано наименование транспортной компании.");
const QString kDuplicate = QStringLiteral("Транспортная компания с данным наименованием уже существует.");
} // namespace

TWorkerEditForm::TWorkerEditForm(AppContext& context, QWidget* parent) :
    EntryEditor(context, parent), m_ui(std::make_unique<Ui::TWorkerEditForm>()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TWorkerEditForm"));
  m_vehicles = new DependentList(m_ui->AutoList, m_ui->AddAutoBtn, m_ui->EditAutoBtn, m_ui->DeleteAutoBtn, true);
  m_vehicles->onAdd = [this] { addVehicle(); };
  m_vehicles->onEdit = [this](const ListEntry& vehicle) { editVehicle(vehicle); };
  m_vehicles->onRemove = [this](const ListEntry& vehicle) { deleteVehicle(vehicle); };
  m_managers =
      new DependentList(m_ui->ManagerList, m_ui->AddManagerBtn, m_ui->EditManagerBtn, m_ui->DeleteManagerBtn, true);
  m_managers->onAdd = [this] { addManager(); };
  m_managers->onEdit = [this](const ListEntry& manager) { editManager(manager); };
  m_managers->onRemove = [this](const ListEntry& manager) { deleteManager(manager); };
  finishSetup(m_ui->WorkerName);
}

TWorkerEditForm::~TWorkerEditForm() = default;

QString TWorkerEditForm::carrierName() const {
  return m_ui->WorkerName->text();
}

CarrierRecord TWorkerEditForm::record() const {
  return {m_id, carrierName(), m_ui->Phone->text(), m_ui->Fax->text(), m_ui->EMAIL->text()};
}

bool TWorkerEditForm::load(const QString& name) {
  const auto carrier = CarrierRepository(m_context.db()).find(name);
  if (!succeeded(carrier) || !*carrier)
    return false;
  m_id = (*carrier)->id;
  m_storedName = (*carrier)->name;
  m_ui->WorkerName->setText((*carrier)->name);
  m_ui->Phone->setText((*carrier)->phone);
  m_ui->Fax->setText((*carrier)->fax);
  m_ui->EMAIL->setText((*carrier)->email);
  reloadVehicles(0);
  reloadManagers(0);
  return true;
}

void TWorkerEditForm::reloadVehicles(qint64 selectId) {
  const auto labels = VehicleRepository(m_context.db()).labels(m_id);
  if (succeeded(labels))
    m_vehicles->setEntries(*labels, selectId);
}

void TWorkerEditForm::reloadManagers(qint64 selectId) {
  const auto names = PersonRepository(m_context.db(), PersonTable::managers()).names(m_id);
  if (succeeded(names))
    m_managers->setEntries(*names, selectId);
}

// The texts differ by what is being added, as the users know them.
bool TWorkerEditForm::storeBeforeAdding(Lower lower) {
  const bool vehicle = lower == Lower::Vehicle;
  const QString name = carrierName();
  if (name.isEmpty()) {
    msg::warning(this, vehicle ? kNoName : QStringLiteral("Не указан Исполнитель."));
    return false;
  }
  CarrierRepository carriers(m_context.db());
  const auto taken = carriers.nameTaken(name);
  if (!succeeded(taken))
    return false;
  if (*taken) {
    msg::information(this, vehicle ? kDuplicate : QStringLiteral("Исполнитель с данным наименованием уже существует."));
    return false;
  }
  // Phone, fax and e-mail are written by OK.
  const QString action =
      (vehicle ? QStringLiteral("Создание транспортной компании ") : QStringLiteral("Создание Исполнителя ")) + name;
  const auto id = carriers.insert({0, name, {}, {}, {}}, m_context.journal(), action);
  if (!succeeded(id))
    return false;
  m_id = *id;
  m_storedName = name;
  return true;
}

void TWorkerEditForm::addVehicle() {
  if (m_id == 0 && !storeBeforeAdding(Lower::Vehicle))
    return;
  TAutoEditForm editor(m_context, m_id, carrierName(), this);
  editor.prepare(Mode::Create, QStringLiteral("Добавление транспорта"), QStringLiteral("Добавить"));
  editor.exec();
  reloadVehicles(editor.storedId());
}

void TWorkerEditForm::editVehicle(const ListEntry& vehicle) {
  TAutoEditForm editor(m_context, m_id, carrierName(), this);
  editor.prepare(Mode::Edit, QStringLiteral("Редактирование транспорта"), QStringLiteral("Сохранить"));
  if (editor.load(vehicle.id))
    editor.exec();
  reloadVehicles(vehicle.id);
}

void TWorkerEditForm::deleteVehicle(const ListEntry& vehicle) {
  if (!msg::confirm(this, QStringLiteral("Вы действительно хотите удалить транспорт?"),
                    QStringLiteral("Подтверждение удаления")))
    return;
  const auto removed =
      VehicleRepository(m_context.db())
          .remove(vehicle.id, m_context.journal(),
                  QStringLiteral("Удаление транспорта %1 у исполнителя %2").arg(vehicle.text, carrierName()));
  if (succeeded(removed))
    reloadVehicles(0);
}

void TWorkerEditForm::addManager() {
  if (m_id == 0 && !storeBeforeAdding(Lower::Manager))
    return;
  TManagerEditForm editor(m_context, m_id, carrierName(), this);
  editor.prepare(Mode::Create, QStringLiteral("Добавление менеджера"), QStringLiteral("Добавить"));
  editor.exec();
  reloadManagers(editor.storedId());
}

void TWorkerEditForm::editManager(const ListEntry& manager) {
  TManagerEditForm editor(m_context, m_id, carrierName(), this);
  editor.prepare(Mode::Edit, QStringLiteral("Редактирование менеджера"), QStringLiteral("Сохранить"));
  if (editor.load(manager.id))
    editor.exec();
  reloadManagers(manager.id);
}

void TWorkerEditForm::deleteManager(const ListEntry& manager) {
  if (!msg::confirm(this,
                    QStringLiteral("Внимание! Удаление менеджера отразится на существующих заказах с его "
                                   "участием!\nВы действительно хотите удалить менеджера?"),
                    QStringLiteral("Подтверждение удаления")))
    return;
  const auto removed =
      PersonRepository(m_context.db(), PersonTable::managers())
          .remove(manager.id, m_context.journal(),
                  QStringLiteral("Удаление менеджера %1 у исполнителя %2").arg(manager.text, carrierName()));
  if (succeeded(removed))
    reloadManagers(0);
}

bool TWorkerEditForm::save() {
  if (!requireFilled({m_ui->WorkerName}, kNoName))
    return false;
  const CarrierRecord carrier = record();
  CarrierRepository carriers(m_context.db());
  // Orders and look-ups find a carrier by its name: two carriers must never share one.
  const auto taken = carriers.nameTaken(carrier.name, m_id);
  if (!succeeded(taken))
    return false;
  if (*taken) {
    msg::information(this, kDuplicate);
    return false;
  }
  if (m_id == 0) {
    const auto id =
        carriers.insert(carrier, m_context.journal(), QStringLiteral("Создание транспортной компании ") + carrier.name);
    if (!succeeded(id))
      return false;
    m_id = *id;
  } else {
    // A carrier created while adding has its creation entry already.
    const QString action =
        mode() == Mode::Edit ? QStringLiteral("Редактирование транспортной компании ") + carrier.name : QString();
    if (!succeeded(carriers.update(carrier, m_context.journal(), action)))
      return false;
  }
  m_storedName = carrier.name;
  return true;
}

} // namespace vh
