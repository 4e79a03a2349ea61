#include "core/rates/dailyrates.h"

#include <QXmlStreamReader>

#include <cmath>

namespace vh {

namespace {

// Rates are stored with four decimals; keeping the same precision here means
// a rate read back from the cache equals the one just fetched.
double roundRate(double value) {
  return std::round(value * 10000.0) / 10000.0;
}

// "78,4512": the document writes a decimal comma. Zero, negative or
// non-finite values are refused: a rate of zero would price an order at nothing.
std::optional<double> readRate(const QString& text) {
  bool ok = false;
  const double value = QString(text).replace(u',', u'.').toDouble(&ok);
  if (!ok || !std::isfinite(value) || value <= 0)
    return std::nullopt;
  return value;
}

struct Entry final {
  QString code;
  QString name;
  QString nominal;
  QString value;
  QString unitRate; // missing from older documents: the value per nominal then serves
};

std::optional<DailyRate> toRate(const Entry& entry) {
  bool ok = false;
  const int nominal = entry.nominal.trimmed().toInt(&ok);
  const std::optional<double> value = readRate(entry.value);
  if (!ok || nominal <= 0 || !value)
    return std::nullopt;
  DailyRate rate;
  rate.value = roundRate(*value);
  rate.nominal = nominal;
  rate.name = entry.name.trimmed();
  if (entry.unitRate.trimmed().isEmpty()) {
    rate.unitRate = roundRate(*value / nominal);
  } else {
    const std::optional<double> unitRate = readRate(entry.unitRate);
    if (!unitRate)
      return std::nullopt;
    rate.unitRate = roundRate(*unitRate);
  }
  return rate;
}

// Reads one <Valute> by element names, not positions, so that layout
// whitespace or an element added to the format later does not shift the fields.
Entry readEntry(QXmlStreamReader& xml) {
  Entry entry;
  while (xml.readNextStartElement()) {
    const QStringView element = xml.name();
    QString* field = element == u"CharCode"    ? &entry.code
                     : element == u"Name"      ? &entry.name
                     : element == u"Nominal"   ? &entry.nominal
                     : element == u"Value"     ? &entry.value
                     : element == u"VunitRate" ? &entry.unitRate
                                               : nullptr;
    if (field)
      *field = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    else
      xml.skipCurrentElement();
  }
  return entry;
}

} // namespace

std::optional<QHash<QString, DailyRate>> parseDailyRates(const QByteArray& document) {
  // Given bytes, the reader decodes by the document's own declaration
  // (windows-1251 from the bank, UTF-8 from some mirrors).
  QXmlStreamReader xml(document);
  if (!xml.readNextStartElement() || xml.name() != u"ValCurs")
    return std::nullopt;
  QHash<QString, DailyRate> rates;
  while (xml.readNextStartElement()) {
    if (xml.name() != u"Valute") {
      xml.skipCurrentElement();
      continue;
    }
    const Entry entry = readEntry(xml);
    const QString code = entry.code.trimmed();
    if (code.isEmpty() || rates.contains(code))
      continue;
    if (const std::optional<DailyRate> rate = toRate(entry))
      rates.insert(code, *rate);
  }
  // Whatever follows the root (or a fault inside it) must still be well-formed.
  while (!xml.atEnd())
    xml.readNext();
  if (xml.hasError())
    return std::nullopt;
  return rates;
}

} // namespace vh
