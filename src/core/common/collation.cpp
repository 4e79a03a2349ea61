#include "core/common/collation.h"

#include <QLocale>

namespace vh {

QCollator namesCollator() {
  QCollator collator(QLocale(QLocale::Russian, QLocale::Russia));
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  collator.setNumericMode(true);
  return collator;
}

} // namespace vh
