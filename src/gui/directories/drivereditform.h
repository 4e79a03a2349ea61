#pragma once

#include "gui/directories/personeditform.h"

namespace vh {

// A vehicle's driver. Opened by the vehicle editor and by the order editor:
// construct it for the vehicle, prepare(Create, "Добавление водителя",
// "Добавить"), exec(), then read name().
class TDriverEditForm final : public PersonEditForm {
  Q_OBJECT

public:
  TDriverEditForm(AppContext& context, qint64 vehicleId, QWidget* parent = nullptr);
};

} // namespace vh
