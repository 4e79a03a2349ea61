#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace vh {

// One currency's official rate for one day, as the daily rates document gives it.
struct DailyRate final {
  double value = 0;    // roubles for `nominal` units, as quoted
  int nominal = 1;     // units the value is quoted for
  double unitRate = 0; // roubles for one unit
  QString name;        // the currency's name in the document ("Доллар США")
};

// Where official exchange rates come from. The order editor asks it only
// when the rate for a payment date is not stored yet.
class RateSource {
public:
  virtual ~RateSource() = default;
  // The rate of the currency with this letter code ("USD") on this date, or
  // nothing when it cannot be had (no network, no such currency, a broken
  // answer). Blocks for at most the source's timeout.
  virtual std::optional<DailyRate> fetch(const QString& code, const QDate& date) = 0;
};

} // namespace vh
