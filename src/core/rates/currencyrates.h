#pragma once

#include "core/common/result.h"

#include <QDate>
#include <QString>

#include <optional>

namespace vh {

class Database;
class RateSource;

// The rate of an order currency on a payment date, in roubles per unit. A
// currency without a letter code is the rouble itself. The last rate fetched
// is kept with the currency, so a second look-up for the same day asks no one.
class CurrencyRates final {
public:
  // source may be null: then only the rouble and stored rates are known.
  CurrencyRates(Database& db, RateSource* source) : m_db(db), m_source(source) {}

  // The rate, or nothing when it cannot be had (unknown currency, the rate
  // service unreachable or not quoting it); an error only when the database fails.
  Result<std::optional<double>> rateOn(const QString& currency, const QDate& paymentDate);

private:
  Database& m_db;
  RateSource* m_source;
};

} // namespace vh
