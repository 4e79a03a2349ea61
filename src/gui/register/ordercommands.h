#pragma once

#include "gui/order/transorderform.h"

#include <QObject>

#include <optional>

namespace vh {

class AppContext;
class TMainForm;
class TPropertiesForm;

// The register's commands on orders: create, edit, payment, duplicate,
// delete and properties. The editor is created once, with the user's rights,
// and reused; the register is reloaded after it closes, with a newly saved
// order selected.
class OrderCommands final : public QObject {
  Q_OBJECT

public:
  OrderCommands(TMainForm& main, AppContext& context);
  ~OrderCommands() override;

  void OrderCreateBtnClick();
  void OrderEditBtnClick();
  void PaymentBtnClick();
  void DublicateBtnClick();
  void OrderDeleteBtnClick();
  void PropertiesBtnClick();

  // The order editor, created on first use.
  TTransOrderForm& editor();
  TPropertiesForm& propertiesForm();

private:
  // The selected order, or nothing with a word to the user.
  std::optional<qint64> orderToOpen();
  void openStored(TTransOrderForm::Opening opening);
  void runEditor();

  TMainForm& m_main;
  AppContext& m_context;
  // Children of the main window, which deletes them.
  TTransOrderForm* m_editor = nullptr;
  TPropertiesForm* m_properties = nullptr;
};

} // namespace vh
