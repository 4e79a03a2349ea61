#include "gui/directories/requiredmark.h"

#include <QLabel>

namespace vh {

QLabel* requiredMark(QWidget* parent) {
  auto* mark = new QLabel(QStringLiteral("*"), parent);
  mark->setStyleSheet(QStringLiteral("color: #d00000; font-weight: bold;"));
  mark->setToolTip(QStringLiteral("Обязательное поле"));
  return mark;
}

} // namespace vh
