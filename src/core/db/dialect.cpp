#include "core/db/dialect.h"

#include <QDateTime>

#include <optional>

namespace vh {

namespace {

// The stored form "yyyy-MM-dd HH:mm:ss" (or its date alone), read without
// QDateTime::fromString, which costs ten times more: a register of 100 000
// orders reads two of these per row.
std::optional<QDateTime> parseStoredForm(QStringView text) {
  const auto digits = [&](qsizetype from, qsizetype count) -> int {
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
      const char16_t c = text[i].unicode();
      if (c < u'0' || c > u'9')
        return -1;
      value = value * 10 + (c - u'0');
    }
    return value;
  };
  if (text.size() != 10 && text.size() != 19)
    return std::nullopt;
  if (text[4] != u'-' || text[7] != u'-')
    return std::nullopt;
  const QDate date(digits(0, 4), digits(5, 2), digits(8, 2));
  if (!date.isValid())
    return std::nullopt;
  if (text.size() == 10)
    return date.startOfDay();
  if ((text[10] != u' ' && text[10] != u'T') || text[13] != u':' || text[16] != u':')
    return std::nullopt;
  const QTime time(digits(11, 2), digits(14, 2), digits(17, 2));
  if (!time.isValid())
    return std::nullopt;
  return QDateTime(date, time);
}

} // namespace

QDateTime dateTimeFromEngine(const QVariant& value) {
  if (value.isNull())
    return {};
  if (value.metaType().id() == QMetaType::QDateTime)
    return value.toDateTime();
  if (value.metaType().id() == QMetaType::QDate)
    return value.toDate().startOfDay();
  const QString text = value.toString().trimmed();
  if (const auto stored = parseStoredForm(text))
    return *stored;
  static const char* const formats[] = {"yyyy-MM-dd HH:mm:ss",     "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-ddTHH:mm:ss",
                                        "yyyy-MM-ddTHH:mm:ss.zzz", "yyyy-MM-dd HH:mm",        "yyyy-MM-dd"};
  for (const char* format : formats) {
    QDateTime parsed = QDateTime::fromString(text, QLatin1String(format));
    if (parsed.isValid())
      return parsed;
  }
  return QDateTime::fromString(text, Qt::ISODate);
}

} // namespace vh
