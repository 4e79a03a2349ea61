#pragma once

#include <QCollator>

namespace vh {

// Orders names as Russian readers expect: letter case ignored, digits by
// their value ("Авто 9" before "Авто 10").
QCollator namesCollator();

} // namespace vh
