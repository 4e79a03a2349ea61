#pragma once

#include <QString>

namespace vh {

// A vehicle is listed as "{Марка} • {Номер}" (make, blank, bullet U+2022,
// blank, registration number) and split back at the bullet.
struct VehicleLabel final {
  QString make;
  QString number;

  QString text() const { return make + QStringLiteral(" \u2022 ") + number; }
  // Both parts empty when the text holds no bullet.
  static VehicleLabel parse(const QString& text);
};

} // namespace vh
