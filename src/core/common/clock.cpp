#include "core/common/clock.h"

namespace vh {

namespace {
std::function<QDateTime()>& source() {
  static std::function<QDateTime()> s;
  return s;
}
} // namespace

QDateTime Clock::now() {
  if (source())
    return source()();
  return QDateTime::currentDateTime();
}

void Clock::setNow(std::function<QDateTime()> s) {
  source() = std::move(s);
}

void Clock::reset() {
  source() = nullptr;
}

} // namespace vh
