#include "core/directories/vehicletypes.h"

#include "core/db/statement.h"
#include "core/directories/namecheck.h"
#include "core/journal/journalled.h"

namespace vh {

namespace {
void bindTimes(Statement& q, const VehicleType& type) {
  q.bind(QStringLiteral("Наименование"), type.name)
      .bind(QStringLiteral("ВремяПодачи"), type.comingMinutes)
      .bind(QStringLiteral("Минимал"), type.minimumMinutes);
}
} // namespace

NamedTable vehicleTypesTable() {
  return {QStringLiteral("ТС"), QStringLiteral("Наименование"), {}, {}};
}

Result<std::optional<VehicleType>> VehicleTypeRepository::byName(const QString& name) {
  return attempt([&]() -> std::optional<VehicleType> {
    Statement q(m_db, QStringLiteral("SELECT ID, Наименование, ВремяПодачи, Минимал FROM ТС "
                                     "WHERE Наименование=:Наименование ORDER BY ID"));
    q.bind(QStringLiteral("Наименование"), name);
    if (!q.first())
      return std::nullopt;
    return VehicleType{q.integer(QStringLiteral("ID")), q.text(QStringLiteral("Наименование")),
                       int(q.integer(QStringLiteral("ВремяПодачи"))), int(q.integer(QStringLiteral("Минимал")))};
  });
}

Result<bool> VehicleTypeRepository::nameTaken(const QString& name, qint64 exceptId) {
  return attempt([&] { return nameInUse(m_db, scopeOf(vehicleTypesTable()), name, exceptId); });
}

Result<qint64> VehicleTypeRepository::create(const VehicleType& type, JournalWriter& journal) {
  return journalled(m_db, journal, QStringLiteral("Создание нового типа ТС ") + type.name, [&] {
    Statement q(m_db, QStringLiteral("INSERT INTO ТС (Наименование, ВремяПодачи, Минимал) "
                                     "VALUES (:Наименование, :ВремяПодачи, :Минимал)"));
    bindTimes(q, type);
    return q.insert();
  });
}

Result<void> VehicleTypeRepository::update(const VehicleType& type, JournalWriter& journal) {
  return journalled(m_db, journal, QStringLiteral("Редактирование типа ТС ") + type.name, [&] {
    Statement q(m_db, QStringLiteral("UPDATE ТС SET Наименование=:Наименование, ВремяПодачи=:ВремяПодачи, "
                                     "Минимал=:Минимал WHERE ID=:ID"));
    bindTimes(q, type);
    q.bind(QStringLiteral("ID"), type.id);
    q.exec();
  });
}

} // namespace vh
