#pragma once

#include <QString>

namespace vh {

// An entry of an editor's list (a contact person, a vehicle, a driver, a
// manager): the text shown and the row it stands for, so that two entries
// shown alike can never be mistaken for one another.
struct ListEntry final {
  qint64 id = 0;
  QString text;
};

} // namespace vh
