#include "core/directories/vehiclerepository.h"

#include "core/db/statement.h"
#include "core/directories/lookup.h"
#include "core/directories/vehiclelabel.h"
#include "core/journal/journalled.h"

namespace vh {

namespace {
void bindFields(Database& db, Statement& q, const VehicleRecord& vehicle) {
  const auto typeId = idByName(db, QStringLiteral("ТС"), QStringLiteral("Наименование"), vehicle.type);
  if (!typeId)
    fail(QStringLiteral("Тип транспорта «%1» больше не существует.").arg(vehicle.type));
  q.bind(QStringLiteral("Марка"), vehicle.make)
      .bind(QStringLiteral("Номер"), vehicle.number)
      .bind(QStringLiteral("ТипТС_ID"), *typeId)
      .bind(QStringLiteral("Описание"), vehicle.description);
}
} // namespace

Result<QStringList> VehicleRepository::typeNames() {
  return attempt([&] { return readTexts(m_db, QStringLiteral("SELECT Наименование FROM ТС")); });
}

Result<QList<ListEntry>> VehicleRepository::labels(qint64 carrierId) {
  return attempt([&] {
    Statement q(m_db, QStringLiteral("SELECT ID, Марка, Номер FROM Авто WHERE Исполнитель_ID=:Исполнитель_ID"));
    q.bind(QStringLiteral("Исполнитель_ID"), carrierId);
    q.exec();
    QList<ListEntry> out;
    while (q.next()) {
      const VehicleLabel label{q.text(QStringLiteral("Марка")), q.text(QStringLiteral("Номер"))};
      out.append({q.integer(QStringLiteral("ID")), label.text()});
    }
    return out;
  });
}

Result<std::optional<VehicleRecord>> VehicleRepository::find(qint64 id) {
  return attempt([&]() -> std::optional<VehicleRecord> {
    Statement q(m_db, QStringLiteral("SELECT Авто.ID, Исполнитель_ID, Марка, Номер, Описание, ТС.Наименование AS Тип "
                                     "FROM Авто LEFT JOIN ТС ON ТС.ID=Авто.ТипТС_ID WHERE Авто.ID=:ID"));
    q.bind(QStringLiteral("ID"), id);
    if (!q.first())
      return std::nullopt;
    return VehicleRecord{q.integer(QStringLiteral("ID")), q.integer(QStringLiteral("Исполнитель_ID")),
                         q.text(QStringLiteral("Марка")), q.text(QStringLiteral("Номер")),
                         q.text(QStringLiteral("Тип")),   q.text(QStringLiteral("Описание"))};
  });
}

Result<bool> VehicleRepository::taken(const QString& make, const QString& number, qint64 exceptId) {
  return attempt([&] {
    Statement q(m_db, QStringLiteral("SELECT count(*) FROM Авто WHERE lower(Марка)=lower(:Марка) "
                                     "AND lower(Номер)=lower(:Номер) AND ID<>:ID"));
    q.bind(QStringLiteral("Марка"), make).bind(QStringLiteral("Номер"), number).bind(QStringLiteral("ID"), exceptId);
    return q.first() && q.value(0).toLongLong() > 0;
  });
}

Result<qint64> VehicleRepository::insert(const VehicleRecord& vehicle, JournalWriter& journal, const QString& action) {
  return journalled(m_db, journal, action, [&] {
    Statement q(m_db, QStringLiteral("INSERT INTO Авто (Исполнитель_ID, Марка, Номер, ТипТС_ID, Описание) "
                                     "VALUES (:Исполнитель_ID, :Марка, :Номер, :ТипТС_ID, :Описание)"));
    bindFields(m_db, q, vehicle);
    q.bind(QStringLiteral("Исполнитель_ID"), vehicle.carrierId);
    return q.insert();
  });
}

Result<void> VehicleRepository::update(const VehicleRecord& vehicle, JournalWriter& journal, const QString& action) {
  return journalled(m_db, journal, action, [&] {
    Statement q(m_db, QStringLiteral("UPDATE Авто SET Марка=:Марка, Номер=:Номер, ТипТС_ID=:ТипТС_ID, "
                                     "Описание=:Описание WHERE ID=:ID"));
    bindFields(m_db, q, vehicle);
    q.bind(QStringLiteral("ID"), vehicle.id);
    q.exec();
  });
}

Result<void> VehicleRepository::remove(qint64 id, JournalWriter& journal, const QString& action) {
  return removeRow(m_db, QStringLiteral("Авто"), id, journal, action);
}

} // namespace vh
