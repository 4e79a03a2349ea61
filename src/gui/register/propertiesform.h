#pragma once

#include "core/order/orderdata.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TPropertiesForm;
}

namespace vh {

// Who registered an order, when, and whether it is archived. Read-only.
class TPropertiesForm final : public QDialog {
  Q_OBJECT

public:
  explicit TPropertiesForm(QWidget* parent = nullptr);
  ~TPropertiesForm() override;

  void showProperties(qint64 orderId, const OrderProperties& properties);

protected:
  void showEvent(QShowEvent* event) override;

private:
  std::unique_ptr<Ui::TPropertiesForm> m_ui;
};

} // namespace vh
