#include "core/directories/carrierrepository.h"

#include "core/db/statement.h"
#include "core/directories/namecheck.h"
#include "core/journal/journalled.h"

namespace vh {

namespace {
void bindFields(Statement& q, const CarrierRecord& carrier) {
  q.bind(QStringLiteral("Исполнитель"), carrier.name)
      .bind(QStringLiteral("Телефон"), carrier.phone)
      .bind(QStringLiteral("Факс"), carrier.fax)
      .bind(QStringLiteral("EMAIL"), carrier.email);
}
} // namespace

NamedTable CarrierRepository::table() {
  return {QStringLiteral("Исполнители"), QStringLiteral("Исполнитель"), {}, {}};
}

Result<std::optional<CarrierRecord>> CarrierRepository::find(const QString& name) {
  return attempt([&]() -> std::optional<CarrierRecord> {
    Statement q(m_db, QStringLiteral("SELECT ID, Исполнитель, Телефон, Факс, EMAIL FROM Исполнители "
                                     "WHERE Исполнитель=:Исполнитель ORDER BY ID"));
    q.bind(QStringLiteral("Исполнитель"), name);
    if (!q.first())
      return std::nullopt;
    return CarrierRecord{q.integer(QStringLiteral("ID")), q.text(QStringLiteral("Исполнитель")),
                         q.text(QStringLiteral("Телефон")), q.text(QStringLiteral("Факс")),
                         q.text(QStringLiteral("EMAIL"))};
  });
}

Result<bool> CarrierRepository::nameTaken(const QString& name, qint64 exceptId) {
  return attempt([&] { return nameInUse(m_db, scopeOf(table()), name, exceptId); });
}

Result<qint64> CarrierRepository::insert(const CarrierRecord& carrier, JournalWriter& journal, const QString& action) {
  return journalled(m_db, journal, action, [&] {
    Statement q(m_db, QStringLiteral("INSERT INTO Исполнители (Исполнитель, Телефон, Факс, EMAIL) "
                                     "VALUES (:Исполнитель, :Телефон, :Факс, :EMAIL)"));
    bindFields(q, carrier);
    return q.insert();
  });
}

Result<void> CarrierRepository::update(const CarrierRecord& carrier, JournalWriter& journal, const QString& action) {
  return journalled(m_db, journal, action, [&] {
    Statement q(m_db, QStringLiteral("UPDATE Исполнители SET Исполнитель=:Исполнитель, Телефон=:Телефон, "
                                     "Факс=:Факс, EMAIL=:EMAIL WHERE ID=:ID"));
    bindFields(q, carrier);
    q.bind(QStringLiteral("ID"), carrier.id);
    q.exec();
  });
}

} // namespace vh
