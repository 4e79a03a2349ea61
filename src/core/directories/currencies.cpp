#include "core/directories/currencies.h"

#include "core/db/statement.h"
#include "core/journal/journalled.h"

#include <QDir>
#include <QRegularExpression>

namespace vh {

NamedTable currenciesTable() {
  return {QStringLiteral("Валюты"), QStringLiteral("Валюта"), {}, {}};
}

QString languageFolder() {
  return QStringLiteral(":/lang");
}

QStringList languageFiles() {
  return QDir(languageFolder()).entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name);
}

bool isCurrencyCode(const QString& code) {
  static const QRegularExpression pattern(QStringLiteral("^([A-Z]{3})?$"));
  return pattern.match(code).hasMatch();
}

Result<std::optional<CurrencyProperties>> CurrencyRepository::byName(const QString& name) {
  return attempt([&]() -> std::optional<CurrencyProperties> {
    Statement q(m_db, QStringLiteral("SELECT ID, Валюта, Код, Язык FROM Валюты WHERE Валюта=:Валюта ORDER BY ID"));
    q.bind(QStringLiteral("Валюта"), name);
    if (!q.first())
      return std::nullopt;
    return CurrencyProperties{q.integer(QStringLiteral("ID")), q.text(QStringLiteral("Валюта")),
                              q.text(QStringLiteral("Код")), q.text(QStringLiteral("Язык"))};
  });
}

Result<void> CurrencyRepository::setProperties(const CurrencyProperties& properties, JournalWriter& journal) {
  return journalled(m_db, journal, QStringLiteral("Изменение свойств валюты ") + properties.name, [&] {
    Statement drop(m_db, QStringLiteral("UPDATE Валюты SET Курс=0, Обновлено=NULL WHERE ID=:ID AND Код<>:Код"));
    drop.bind(QStringLiteral("ID"), properties.id).bind(QStringLiteral("Код"), properties.code);
    drop.exec();
    Statement q(m_db, QStringLiteral("UPDATE Валюты SET Код=:Код, Язык=:Язык WHERE ID=:ID"));
    q.bind(QStringLiteral("Код"), properties.code)
        .bind(QStringLiteral("Язык"), properties.language)
        .bind(QStringLiteral("ID"), properties.id);
    q.exec();
  });
}

} // namespace vh
