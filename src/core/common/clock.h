#pragma once

#include <QDate>
#include <QDateTime>

#include <functional>

namespace vh {

// "Today" and "now" for every rule that stamps or defaults a date, so that
// tests can fix the moment.
class Clock final {
public:
  static QDateTime now();
  static QDate today() { return now().date(); }

  // Tests only: replace the clock until reset() is called.
  static void setNow(std::function<QDateTime()> source);
  static void reset();
};

} // namespace vh
