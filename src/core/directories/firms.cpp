#include "core/directories/firms.h"

#include "core/db/database.h"
#include "core/db/statement.h"
#include "core/directories/namecheck.h"
#include "core/journal/journalled.h"

namespace vh {

namespace {
void bindFields(Statement& q, const Firm& firm) {
  q.bind(QStringLiteral("Фирма"), firm.name)
      .bind(QStringLiteral("Телефон"), firm.phones)
      .bind(QStringLiteral("Реквизиты"), firm.bankDetails);
}
} // namespace

NamedTable firmsTable() {
  return {QStringLiteral("Фирмы"), QStringLiteral("Фирма"), {}, {}};
}

Result<std::optional<Firm>> FirmRepository::byName(const QString& name) {
  return attempt([&]() -> std::optional<Firm> {
    Statement q(m_db, QStringLiteral("SELECT ID, Фирма, Телефон, Реквизиты, Умолчание FROM Фирмы "
                                     "WHERE Фирма=:Фирма ORDER BY ID"));
    q.bind(QStringLiteral("Фирма"), name);
    if (!q.first())
      return std::nullopt;
    return Firm{q.integer(QStringLiteral("ID")), q.text(QStringLiteral("Фирма")), q.text(QStringLiteral("Телефон")),
                q.text(QStringLiteral("Реквизиты")), q.boolean(QStringLiteral("Умолчание"))};
  });
}

Result<qint64> FirmRepository::create(const Firm& firm, JournalWriter& journal) {
  return journalled(m_db, journal, QStringLiteral("Создание фирмы ") + firm.name, [&] {
    Statement q(m_db, QStringLiteral("INSERT INTO Фирмы (Фирма, Телефон, Реквизиты) "
                                     "VALUES (:Фирма, :Телефон, :Реквизиты)"));
    bindFields(q, firm);
    return q.insert();
  });
}

Result<void> FirmRepository::update(const Firm& firm, const QString& oldName, JournalWriter& journal) {
  return journalled(m_db, journal, QStringLiteral("Редактирование фирмы ") + oldName, [&] {
    Statement q(m_db, QStringLiteral("UPDATE Фирмы SET Фирма=:Фирма, Телефон=:Телефон, Реквизиты=:Реквизиты "
                                     "WHERE ID=:ID"));
    bindFields(q, firm);
    q.bind(QStringLiteral("ID"), firm.id);
    q.exec();
  });
}

Result<void> FirmRepository::setDefault(const QString& name) {
  return attempt([&] {
    Transaction transaction(m_db);
    const qint64 id = listedIdByName(m_db, firmsTable(), name);
    if (id == 0)
      fail(QStringLiteral("Фирма %1 не найдена: возможно, её удалили с другого рабочего места.").arg(name));
    Statement clear(m_db, QStringLiteral("UPDATE Фирмы SET Умолчание=False WHERE Умолчание=True"));
    clear.exec();
    Statement mark(m_db, QStringLiteral("UPDATE Фирмы SET Умолчание=True WHERE ID=:ID"));
    mark.bind(QStringLiteral("ID"), id);
    mark.exec();
    transaction.commit();
  });
}

} // namespace vh
