#include "core/order/ordercalc.h"

#include "core/common/numbers.h"

#include <algorithm>
#include <cstdlib>

namespace vh {

int totalOrderMinutes(const QDateTime& start, const QDateTime& end, int minimumMinutes, int deliveryMinutes) {
  // Whole minutes, truncated: the pickers hold minutes, any seconds are noise.
  qint64 minutes = std::llabs(start.secsTo(end)) / 60;
  if ((minutes + 1) % 10 == 0)
    ++minutes;
  minutes = std::max<qint64>(minutes, minimumMinutes);
  return int(minutes + deliveryMinutes);
}

double orderSum(double wayPrice, const QList<std::optional<double>>& expenseAmounts) {
  double sum = wayPrice;
  for (const std::optional<double>& amount : expenseAmounts)
    sum += amount.value_or(0.0);
  return roundAmount(sum);
}

std::optional<double> clientDebt(bool clientPaid, double orderSum, double clientSum) {
  const double owed = roundAmount(orderSum - clientSum);
  if (!clientPaid || owed <= 0)
    return std::nullopt;
  return owed;
}

double orderProfit(double clientRoubles, double workerRoubles) {
  return std::max(0.0, roundAmount(clientRoubles - workerRoubles));
}

double toRoubles(double amount, double ratePerUnit) {
  return roundAmount(amount * ratePerUnit);
}

} // namespace vh
