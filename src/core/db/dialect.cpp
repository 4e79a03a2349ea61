#include "core/db/dialect.h"

#include <QDateTime>

namespace vh {

QDateTime dateTimeFromEngine(const QVariant& value) {
  if (value.isNull())
    return {};
  if (value.metaType().id() == QMetaType::QDateTime)
    return value.toDateTime();
  if (value.metaType().id() == QMetaType::QDate)
    return value.toDate().startOfDay();
  const QString text = value.toString().trimmed();
  static const char* const formats[] = {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz",
                                        "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-ddTHH:mm:ss.zzz",
                                        "yyyy-MM-dd HH:mm", "yyyy-MM-dd"};
  for (const char* format : formats) {
    QDateTime parsed = QDateTime::fromString(text, QLatin1String(format));
    if (parsed.isValid())
      return parsed;
  }
  return QDateTime::fromString(text, Qt::ISODate);
}

} // namespace vh
