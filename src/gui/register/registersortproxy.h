#pragma once

#include <QSortFilterProxyModel>

namespace vh {

class RegisterModel;

// Sorting by header clicks: ascending, then descending, then back to the
// order the statement returned.
class RegisterSortProxy final : public QSortFilterProxyModel {
  Q_OBJECT

public:
  explicit RegisterSortProxy(RegisterModel* source, QObject* parent = nullptr);

  // One step of the click cycle for this column; returns the new state.
  enum class State { None, Ascending, Descending };
  State cycle(int column);
  void clearSort();
  int sortedColumn() const { return m_column; }
  State state() const { return m_state; }

protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
  RegisterModel* m_source;
  int m_column = -1;
  State m_state = State::None;
};

} // namespace vh
