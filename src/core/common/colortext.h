#pragma once

#include <QString>

#include <optional>

namespace vh {

// A user's order colour as stored in Пользователи.Цвет: a colour name such as
// "clRed", or "$" and eight hexadecimal digits of the value 0x00BBGGRR. White
// is stored as the empty text.
struct OrderColor final {
  int red = 255;
  int green = 255;
  int blue = 255;

  bool isWhite() const { return red == 255 && green == 255 && blue == 255; }
  quint32 value() const { return quint32(red) | quint32(green) << 8 | quint32(blue) << 16; }
  static OrderColor fromValue(quint32 value) {
    return {int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF)};
  }
  bool operator==(const OrderColor&) const = default;
};

// Empty text gives white; a name, a decimal number or "$hex" gives its colour;
// anything else gives nothing.
std::optional<OrderColor> parseColorText(const QString& text);
QString formatColorText(const OrderColor& color);

} // namespace vh
