#include "gui/directories/autoeditform.h"

#include "core/directories/personrepository.h"
#include "gui/app/appcontext.h"
#include "gui/common/comboutil.h"
#include "gui/common/messages.h"
#include "gui/directories/dependentlist.h"
#include "gui/directories/drivereditform.h"

#include "ui_autoeditform.h"

namespace vh {

TAutoEditForm::TAutoEditForm(AppContext& context, qint64 carrierId, const QString& carrierName, QWidget* parent) :
    EntryEditor(context, parent), m_ui(std::make_unique<Ui::TAutoEditForm>()), m_carrierId(carrierId),
    m_carrierName(carrierName) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TAutoEditForm"));
  m_drivers = new DependentList(m_ui->AutoDrivers, m_ui->AddBtn, m_ui->EditBtn, m_ui->DelBtn, true);
  m_drivers->onAdd = [this] { addDriver(); };
  m_drivers->onEdit = [this](const ListEntry& driver) { editDriver(driver); };
  m_drivers->onRemove = [this](const ListEntry& driver) { deleteDriver(driver); };
  const auto types = VehicleRepository(m_context.db()).typeNames();
  if (succeeded(types))
    setComboItems(m_ui->AutoType, *types, true);
  finishSetup(m_ui->AutoName);
}

TAutoEditForm::~TAutoEditForm() = default;

VehicleLabel TAutoEditForm::label() const {
  return {m_ui->AutoName->text(), m_ui->AutoNumber->text()};
}

VehicleRecord TAutoEditForm::record() const {
  return {m_id,
          m_carrierId,
          m_ui->AutoName->text(),
          m_ui->AutoNumber->text(),
          selectedComboText(m_ui->AutoType),
          m_ui->AutoMemo->toPlainText()};
}

bool TAutoEditForm::load(qint64 vehicleId) {
  const auto vehicle = VehicleRepository(m_context.db()).find(vehicleId);
  if (!succeeded(vehicle) || !*vehicle)
    return false;
  m_id = (*vehicle)->id;
  m_ui->AutoName->setText((*vehicle)->make);
  m_ui->AutoNumber->setText((*vehicle)->number);
  // No type is chosen when the vehicle's type was deleted.
  selectComboText(m_ui->AutoType, (*vehicle)->type);
  m_ui->AutoMemo->setPlainText((*vehicle)->description);
  reloadDrivers(0);
  return true;
}

void TAutoEditForm::reloadDrivers(qint64 selectId) {
  const auto names = PersonRepository(m_context.db(), PersonTable::drivers()).names(m_id);
  if (succeeded(names))
    m_drivers->setEntries(*names, selectId);
}

bool TAutoEditForm::checkFields(const VehicleRecord& vehicle) {
  if (!requireFilled({m_ui->AutoName, m_ui->AutoNumber, m_ui->AutoType},
                     QStringLiteral("Все обязательные поля должны быть заполнены.")))
    return false;
  const auto taken = VehicleRepository(m_context.db()).taken(vehicle.make, vehicle.number, m_id);
  if (!succeeded(taken))
    return false;
  if (*taken) {
    msg::information(this, QStringLiteral("Автомобиль данной марки уже существует у исполнителя."));
    return false;
  }
  return true;
}

QString TAutoEditForm::createAction(const VehicleRecord& vehicle) const {
  return QStringLiteral("Создание транспорта %1 исполнителю %2").arg(vehicle.make, m_carrierName);
}

void TAutoEditForm::addDriver() {
  if (m_id == 0) {
    const VehicleRecord vehicle = record();
    if (!checkFields(vehicle))
      return;
    const auto id = VehicleRepository(m_context.db()).insert(vehicle, m_context.journal(), createAction(vehicle));
    if (!succeeded(id))
      return;
    m_id = *id;
  }
  TDriverEditForm editor(m_context, m_id, this);
  editor.prepare(Mode::Create, QStringLiteral("Добавление водителя"), QStringLiteral("Добавить"));
  editor.exec();
  reloadDrivers(editor.storedId());
}

void TAutoEditForm::editDriver(const ListEntry& driver) {
  TDriverEditForm editor(m_context, m_id, this);
  editor.prepare(Mode::Edit, QStringLiteral("Редактирование водителя"), QStringLiteral("Сохранить"));
  if (editor.load(driver.id))
    editor.exec();
  reloadDrivers(driver.id);
}

void TAutoEditForm::deleteDriver(const ListEntry& driver) {
  if (!msg::confirm(this,
                    QStringLiteral("Внимание! Удаление водителя отразится на существующих заказах с его "
                                   "участием!\nВы действительно хотите удалить водителя?"),
                    QStringLiteral("Подтверждение удаления")))
    return;
  const auto removed =
      PersonRepository(m_context.db(), PersonTable::drivers())
          .remove(driver.id, m_context.journal(),
                  QStringLiteral("Удаление водителя %1 (%2)").arg(driver.text, m_ui->AutoName->text()));
  if (succeeded(removed))
    reloadDrivers(0);
}

bool TAutoEditForm::save() {
  const VehicleRecord vehicle = record();
  if (!checkFields(vehicle))
    return false;
  VehicleRepository vehicles(m_context.db());
  if (m_id == 0) {
    const auto id = vehicles.insert(vehicle, m_context.journal(), createAction(vehicle));
    if (!succeeded(id))
      return false;
    m_id = *id;
    return true;
  }
  // A vehicle created while adding has its creation entry already.
  const QString action =
      mode() == Mode::Edit
          ? QStringLiteral("Редактирование транспорта %1 исполнителя %2").arg(vehicle.make, m_carrierName)
          : QString();
  return succeeded(vehicles.update(vehicle, m_context.journal(), action));
}

} // namespace vh
