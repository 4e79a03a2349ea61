#pragma once

#include "core/rates/ratesource.h"

#include <QList>

#include <utility>

namespace vh::test {

// Answers rate questions with a prepared rate (or none) and records them.
class ScriptedRates final : public RateSource {
public:
  std::optional<DailyRate> fetch(const QString& code, const QDate& date) override {
    asked.append({code, date});
    return answer;
  }

  std::optional<DailyRate> answer;
  QList<std::pair<QString, QDate>> asked;
};

} // namespace vh::test
