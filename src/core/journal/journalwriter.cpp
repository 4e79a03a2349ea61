#include "core/journal/journalwriter.h"

#include "core/db/statement.h"

namespace vh {

JournalWriter::JournalWriter(Database& db, QString login) : m_db(db), m_login(std::move(login)) {}

Result<void> JournalWriter::write(const QString& action) {
  return attempt([&] { record(action); });
}

void JournalWriter::record(const QString& action) {
  Statement insert(m_db, QStringLiteral("INSERT INTO Протокол (Действие, Логин, Детализация) "
                                        "VALUES (:Действие, :Логин, :Детализация)"));
  insert.bind(QStringLiteral("Действие"), action)
      .bind(QStringLiteral("Логин"), m_login)
      .bind(QStringLiteral("Детализация"), pendingDetail());
  insert.exec();
  m_pendingDetail.clear();
}

} // namespace vh
