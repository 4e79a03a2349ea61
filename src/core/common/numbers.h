#pragma once

#include <QString>

#include <optional>

namespace vh {

// Money as the windows show it: two decimals, decimal comma, no grouping ("1234,50").
QString formatAmount(double value);
// Reads an amount typed by a user: comma or point as decimal separator,
// blanks ignored; empty text is nothing, not zero.
std::optional<double> parseAmount(const QString& text);
// Rounds to two decimals, the precision amounts are shown and stored with.
double roundAmount(double value);

// Minutes as "{h} ч. {m} мин.", without leading zeros.
QString formatDuration(int minutes);

} // namespace vh
