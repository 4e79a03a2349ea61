#pragma once

#include "core/order/orderdata.h"

#include <QStringList>

namespace vh {

// The fields of an order whose changes the journal records, each as one
// text, in a fixed order; trackedCaptions() names them.
QStringList trackedTexts(const OrderInput& order);
const QStringList& trackedCaptions();

// "{caption}: {old} >> {new}" for every tracked field whose text differs,
// in field order; an empty text reads "(пусто)".
QStringList changeLines(const QStringList& before, const QStringList& after);

// The texts the journal shows: a date with its time (the time left out at
// midnight), a date alone, and a number in its shortest form ("1234,5").
QString journalDateTime(const QDateTime& value);
QString journalDate(const QDate& value);
QString journalNumber(double value);

} // namespace vh
