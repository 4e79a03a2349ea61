#include "core/directories/vehiclelabel.h"

namespace vh {

VehicleLabel VehicleLabel::parse(const QString& text) {
  const qsizetype bullet = text.indexOf(QChar(0x2022));
  if (bullet < 0)
    return {};
  // The make ends before the blank that precedes the bullet, the number starts after the one that follows it.
  QString make = text.left(bullet);
  if (make.endsWith(u' '))
    make.chop(1);
  QString number = text.mid(bullet + 1);
  if (number.startsWith(u' '))
    number.remove(0, 1);
  return {make, number};
}

} // namespace vh
