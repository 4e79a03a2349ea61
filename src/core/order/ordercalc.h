#pragma once

#include <QDateTime>
#include <QList>

#include <optional>

namespace vh {

// The order's total time in minutes: the time between start and end (either
// way round), an almost-round figure rounded up (59 becomes 60), at least the
// vehicle type's minimum, plus the time to bring the vehicle.
int totalOrderMinutes(const QDateTime& start, const QDateTime& end, int minimumMinutes, int deliveryMinutes);

// The order sum: the freight rate plus every applied expense (nothing for an
// expense that does not apply), to the cent.
double orderSum(double wayPrice, const QList<std::optional<double>>& expenseAmounts);

// What the client still owes: only once he is marked paid and paid less than
// the order sum.
std::optional<double> clientDebt(bool clientPaid, double orderSum, double clientSum);

// The forwarder's profit in roubles: received minus paid out, never below 0.
double orderProfit(double clientRoubles, double workerRoubles);

// An amount in roubles at a rate per unit, to the cent.
double toRoubles(double amount, double ratePerUnit);

} // namespace vh
