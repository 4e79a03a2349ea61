#include "gui/register/ordercommands.h"

#include "core/order/orderrepository.h"
#include "gui/app/appcontext.h"
#include "gui/common/messages.h"
#include "gui/register/mainform.h"
#include "gui/register/propertiesform.h"

#include <QCoreApplication>

namespace vh {

OrderCommands::OrderCommands(TMainForm& main, AppContext& context) : QObject(&main), m_main(main), m_context(context) {}

OrderCommands::~OrderCommands() = default;

TTransOrderForm& OrderCommands::editor() {
  if (!m_editor)
    m_editor = new TTransOrderForm(m_context, &m_main);
  return *m_editor;
}

TPropertiesForm& OrderCommands::propertiesForm() {
  if (!m_properties)
    m_properties = new TPropertiesForm(&m_main);
  return *m_properties;
}

std::optional<qint64> OrderCommands::orderToOpen() {
  const std::optional<qint64> id = m_main.selectedOrder();
  if (!id)
    msg::information(&m_main, QStringLiteral("Выберите заказ в списке."));
  return id;
}

void OrderCommands::runEditor() {
  const bool saved = editor().exec() == QDialog::Accepted;
  QCoreApplication::processEvents();
  m_main.refresh();
  if (saved && editor().insertsOnSave())
    m_main.selectOrder(editor().orderId());
}

void OrderCommands::OrderCreateBtnClick() {
  if (editor().prepareNewOrder())
    runEditor();
}

void OrderCommands::openStored(TTransOrderForm::Opening opening) {
  const std::optional<qint64> id = orderToOpen();
  if (id && editor().loadOrder(*id, opening))
    runEditor();
}

void OrderCommands::OrderEditBtnClick() {
  openStored(TTransOrderForm::Opening::Edit);
}

void OrderCommands::PaymentBtnClick() {
  openStored(TTransOrderForm::Opening::Payment);
}

void OrderCommands::DublicateBtnClick() {
  openStored(TTransOrderForm::Opening::Duplicate);
}

void OrderCommands::OrderDeleteBtnClick() {
  const std::optional<qint64> id = m_main.selectedOrder();
  if (!id || !msg::confirm(&m_main, QStringLiteral("Вы действительно хотите удалить Заказ?"),
                           QStringLiteral("Подтверждение удаления")))
    return;
  const Result<void> removed = OrderRepository(m_context.db()).remove(*id, m_context.journal());
  if (!removed) {
    msg::failure(&m_main, removed.error());
    return;
  }
  m_main.removeOrderRow(*id);
}

void OrderCommands::PropertiesBtnClick() {
  const std::optional<qint64> id = m_main.selectedOrder();
  if (!id)
    return;
  const auto properties = OrderRepository(m_context.db()).properties(*id);
  if (!properties) {
    msg::failure(&m_main, properties.error());
    return;
  }
  if (!properties->has_value()) {
    msg::warning(&m_main, OrderRepository::notFoundText(*id));
    return;
  }
  propertiesForm().showProperties(*id, **properties);
  propertiesForm().exec();
}

} // namespace vh
