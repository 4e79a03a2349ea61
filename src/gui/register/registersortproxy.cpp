#include "gui/register/registersortproxy.h"

#include "gui/register/registermodel.h"

namespace vh {

RegisterSortProxy::RegisterSortProxy(RegisterModel* source, QObject* parent) :
    QSortFilterProxyModel(parent), m_source(source) {
  setSourceModel(source);
  setDynamicSortFilter(false);
}

RegisterSortProxy::State RegisterSortProxy::cycle(int column) {
  if (column != m_column || m_state == State::None)
    m_state = State::Ascending;
  else if (m_state == State::Ascending)
    m_state = State::Descending;
  else
    m_state = State::None;
  m_column = m_state == State::None ? -1 : column;
  if (m_state == State::None)
    sort(-1);
  else
    sort(column, m_state == State::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
  return m_state;
}

void RegisterSortProxy::clearSort() {
  m_column = -1;
  m_state = State::None;
  sort(-1);
}

bool RegisterSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const int order = m_source->compare(left.row(), right.row(), left.column());
  // Equal values keep the statement's order.
  return order != 0 ? order < 0 : left.row() < right.row();
}

} // namespace vh
