#pragma once

#include "gui/directories/personeditform.h"

namespace vh {

// A client's contact person. Opened by the client editor and by the order
// editor: construct it for the client, prepare(Create, "Новый заказчик",
// "Создать"), exec(), then read name().
class TCustomerEditForm final : public PersonEditForm {
  Q_OBJECT

public:
  TCustomerEditForm(AppContext& context, qint64 clientId, const QString& organization, QWidget* parent = nullptr);
};

} // namespace vh
