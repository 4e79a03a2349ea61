#include "gui/directories/autotypeeditform.h"

#include "core/directories/vehicletypes.h"
#include "gui/app/appcontext.h"
#include "gui/directories/directories.h"
#include "gui/directories/editoropening.h"
#include "gui/directories/namedlistactions.h"

#include "ui_autotypeeditform.h"

namespace vh {

namespace {

// The pickers show a day's hours and minutes; a stored value outside it shows as its nearest end.
QTime timeOfMinutes(int minutes) {
  const int bounded = qBound(0, minutes, 23 * 60 + 59);
  return QTime(bounded / 60, bounded % 60);
}

int minutesOf(const QTime& time) {
  return time.hour() * 60 + time.minute();
}

} // namespace

TAutoTypeEditForm::TAutoTypeEditForm(AppContext& context, QWidget* parent) :
    EntryEditor(context, parent), m_ui(std::make_unique<Ui::TAutoTypeEditForm>()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TAutoTypeEditForm"));
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  finishSetup(m_ui->AutoTypeName);
}

TAutoTypeEditForm::~TAutoTypeEditForm() = default;

bool TAutoTypeEditForm::load(const QString& name) {
  const auto type = VehicleTypeRepository(m_context.db()).byName(name);
  if (!succeeded(type) || !*type)
    return false;
  m_id = (*type)->id;
  m_ui->AutoTypeName->setText((*type)->name);
  m_ui->ComingTime->setTime(timeOfMinutes((*type)->comingMinutes));
  m_ui->MinTime->setTime(timeOfMinutes((*type)->minimumMinutes));
  return true;
}

QString TAutoTypeEditForm::storedName() const {
  return result() == QDialog::Accepted ? m_ui->AutoTypeName->text() : QString();
}

bool TAutoTypeEditForm::save() {
  if (!requireFilled({m_ui->AutoTypeName}, QStringLiteral("Не указано наименование ТС.")))
    return false;
  VehicleTypeRepository types(m_context.db());
  const VehicleType type{m_id, m_ui->AutoTypeName->text(), minutesOf(m_ui->ComingTime->time()),
                         minutesOf(m_ui->MinTime->time())};
  const auto taken = types.nameTaken(type.name, m_id);
  if (!succeeded(taken))
    return false;
  if (*taken) {
    msg::warning(this, QStringLiteral("Данное наименование ТС уже существует."));
    return false;
  }
  if (mode() == Mode::Create)
    return succeeded(types.create(type, m_context.journal()));
  return succeeded(types.update(type, m_context.journal()));
}

DirectoryDescription vehicleTypesDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TCommandManagerForm");
  d.caption = QStringLiteral("Типы транспортных средств");
  d.listName = QStringLiteral("AutoTypeList");
  d.listLabel = QStringLiteral("Список типов транспорта:");
  d.countLabel = QStringLiteral("Всего типов ТС: ");
  d.table = vehicleTypesTable();
  useEntryEditor<TAutoTypeEditForm>(
      d, {QStringLiteral("Новый тип ТС"), QStringLiteral("Создать"), QStringLiteral("Редактирование типа ТС")});
  useConfirmedDelete(d, {QStringLiteral("Вы действительно хотите удалить тип ТС?"), QStringLiteral("Удаление"),
                         [](const QString& name) { return QStringLiteral("Удаление типа ТС ") + name; }});
  return d;
}

} // namespace vh
