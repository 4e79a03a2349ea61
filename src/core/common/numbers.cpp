#include "core/common/numbers.h"

#include <QLocale>

#include <cmath>

namespace vh {

QString formatAmount(double value) {
  QLocale locale(QLocale::Russian, QLocale::Russia);
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(roundAmount(value), 'f', 2);
}

std::optional<double> parseAmount(const QString& input) {
  QString text = input;
  text.remove(u' ').remove(QChar(0x00A0)).remove(QChar(0x202F));
  if (text.isEmpty())
    return std::nullopt;
  text.replace(u',', u'.');
  bool ok = false;
  const double value = text.toDouble(&ok);
  if (!ok || !std::isfinite(value))
    return std::nullopt;
  return value;
}

double roundAmount(double value) {
  return std::round(value * 100.0) / 100.0;
}

QString formatDuration(int minutes) {
  return QStringLiteral("%1 ч. %2 мин.").arg(minutes / 60).arg(minutes % 60);
}

} // namespace vh
