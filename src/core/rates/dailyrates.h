#pragma once

#include "core/rates/ratesource.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace vh {

// The currencies of one daily rates document, by letter code ("USD"), read in
// the encoding the document declares. Nothing when the text is not such a
// document (malformed XML, another root element). A currency whose code or
// numbers do not read is left out: asking for it fails, the others still serve.
// Where a code stands twice, the first readable entry counts.
std::optional<QHash<QString, DailyRate>> parseDailyRates(const QByteArray& document);

} // namespace vh
