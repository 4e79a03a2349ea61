#include "core/rates/currencyrates.h"

#include "core/db/statement.h"
#include "core/rates/ratesource.h"

namespace vh {

Result<std::optional<double>> CurrencyRates::rateOn(const QString& currency, const QDate& paymentDate) {
  return attempt([&]() -> std::optional<double> {
    qint64 id = 0;
    QString code;
    {
      Statement read(m_db,
                     QStringLiteral("SELECT ID, Код, Курс, Обновлено FROM Валюты WHERE Валюта=:Валюта ORDER BY ID"));
      read.bind(QStringLiteral("Валюта"), currency);
      if (!read.first())
        return std::nullopt;
      code = read.text(QStringLiteral("Код")).trimmed();
      if (code.isEmpty())
        return 1.0;
      if (!read.isNull(QStringLiteral("Обновлено")) && read.dateTime(QStringLiteral("Обновлено")).date() == paymentDate)
        return read.number(QStringLiteral("Курс"));
      id = read.integer(QStringLiteral("ID"));
    }

    if (!m_source)
      return std::nullopt;
    const std::optional<DailyRate> fetched = m_source->fetch(code, paymentDate);
    if (!fetched || fetched->unitRate <= 0)
      return std::nullopt;
    // Kept per unit and unrounded: a currency quoted per 100 units would lose
    // its last digits at four decimals.
    Statement store(m_db, QStringLiteral("UPDATE Валюты SET Обновлено=:Обновлено, Курс=:Курс WHERE ID=:ID"));
    store.bind(QStringLiteral("Обновлено"), QDateTime(paymentDate, QTime(0, 0)))
        .bind(QStringLiteral("Курс"), fetched->unitRate)
        .bind(QStringLiteral("ID"), id);
    store.exec();
    return fetched->unitRate;
  });
}

} // namespace vh
