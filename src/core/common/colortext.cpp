#include "core/common/colortext.h"

namespace vh {

namespace {

struct NamedColor {
  const char* name;
  OrderColor color;
};

constexpr NamedColor kNamed[] = {
    {"clBlack", {0, 0, 0}},       {"clMaroon", {128, 0, 0}},         {"clGreen", {0, 128, 0}},
    {"clOlive", {128, 128, 0}},   {"clNavy", {0, 0, 128}},           {"clPurple", {128, 0, 128}},
    {"clTeal", {0, 128, 128}},    {"clGray", {128, 128, 128}},       {"clSilver", {192, 192, 192}},
    {"clRed", {255, 0, 0}},       {"clLime", {0, 255, 0}},           {"clYellow", {255, 255, 0}},
    {"clBlue", {0, 0, 255}},      {"clFuchsia", {255, 0, 255}},      {"clAqua", {0, 255, 255}},
    {"clWhite", {255, 255, 255}}, {"clMoneyGreen", {192, 220, 192}}, {"clSkyBlue", {166, 202, 240}},
    {"clCream", {255, 251, 240}}, {"clMedGray", {160, 160, 164}},
};

} // namespace

std::optional<OrderColor> parseColorText(const QString& input) {
  const QString text = input.trimmed();
  if (text.isEmpty())
    return OrderColor{};
  for (const NamedColor& named : kNamed) {
    if (text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
      return named.color;
  }
  bool ok = false;
  qint64 value = 0;
  if (text.startsWith(u'$'))
    value = text.mid(1).toLongLong(&ok, 16);
  else if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
    value = text.mid(2).toLongLong(&ok, 16);
  else
    value = text.toLongLong(&ok, 10);
  if (!ok || value < 0 || value > 0xFFFFFF)
    return std::nullopt;
  return OrderColor::fromValue(quint32(value));
}

QString formatColorText(const OrderColor& color) {
  if (color.isWhite())
    return {};
  for (const NamedColor& named : kNamed) {
    if (named.color == color)
      return QLatin1String(named.name);
  }
  return QStringLiteral("$%1").arg(color.value(), 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace vh
