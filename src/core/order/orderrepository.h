#pragma once

#include "core/common/result.h"
#include "core/order/orderdata.h"

#include <QByteArray>
#include <QHash>

#include <optional>

namespace vh {

class Database;
class JournalWriter;
class Statement;

// An order's own statements: loading it into the editor, saving it with its
// attached files, expenses and journal entry, deleting it with its children,
// and its properties. Every change runs in one transaction: all of it is
// stored, or nothing.
class OrderRepository final {
public:
  explicit OrderRepository(Database& db) : m_db(db) {}

  // The order, or nothing when it no longer exists. Directory entries that
  // were deleted meanwhile read as empty names.
  Result<std::optional<StoredOrder>> load(qint64 orderId);
  // The amounts of the expenses stored for the order, by expense kind.
  Result<QHash<qint64, double>> expenses(qint64 orderId);
  // The names of the order's stored files.
  Result<QStringList> attachmentNames(qint64 orderId);
  // A stored file's content, or nothing when the order has no file of that name.
  Result<std::optional<QByteArray>> attachmentContent(qint64 orderId, const QString& name);

  // Stores a new order and records "Создание заказа № {ID}"; returns its ID.
  Result<qint64> insert(const OrderInput& order, qint64 creatorId, JournalWriter& journal);
  // Stores the changes of an order and records "Редактирование заказа № {ID}"
  // with the change lines as the entry's detail.
  Result<void> update(qint64 orderId, const OrderInput& order, const QStringList& changes, JournalWriter& journal);
  // Deletes the order with its expenses and files and records "Удаление заказа № {ID}".
  Result<void> remove(qint64 orderId, JournalWriter& journal);

  // Nothing when the order no longer exists.
  Result<std::optional<OrderProperties>> properties(qint64 orderId);

  // What the user reads when an order was deleted meanwhile.
  static QString notFoundText(qint64 orderId);

private:
  struct Links;
  Links resolve(const OrderInput& order);
  void bindOrder(Statement& statement, const OrderInput& order, const Links& links);
  void storeNewAttachments(qint64 orderId, const OrderInput& order);
  void storeExpenses(qint64 orderId, const OrderInput& order);

  Database& m_db;
};

} // namespace vh
