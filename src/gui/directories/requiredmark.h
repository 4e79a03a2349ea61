#pragma once

class QLabel;
class QWidget;

namespace vh {

// The red "*" set beside a field that must be filled.
QLabel* requiredMark(QWidget* parent);

} // namespace vh
