#pragma once

#include "gui/directories/personeditform.h"

namespace vh {

// A carrier's manager, opened by the carrier editor for its carrier.
class TManagerEditForm final : public PersonEditForm {
  Q_OBJECT

public:
  TManagerEditForm(AppContext& context, qint64 carrierId, const QString& carrierName, QWidget* parent = nullptr);
};

} // namespace vh
