#pragma once

#include "core/directories/listentry.h"

#include <QList>
#include <QObject>

#include <functional>
#include <optional>

class QListWidget;
class QPushButton;

namespace vh {

// The list of the entries kept under the edited one (a client's contact
// persons, a carrier's vehicles and managers, a vehicle's drivers) with its
// add, edit and delete buttons. Items carry their rows' IDs. Edit and delete
// act on the selected item and do nothing without one; a double click edits.
class DependentList final : public QObject {
  Q_OBJECT

public:
  using EntryAction = std::function<void(const ListEntry&)>;

  DependentList(QListWidget* list, QPushButton* add, QPushButton* edit, QPushButton* remove, bool sorted);

  // Shows the entries (sorted, when the list is) and selects the one with selectId.
  void setEntries(QList<ListEntry> entries, qint64 selectId = 0);
  std::optional<ListEntry> selected() const;

  std::function<void()> onAdd;
  EntryAction onEdit;
  EntryAction onRemove;

private:
  void runOnSelection(const EntryAction& action);

  QListWidget* m_list;
  bool m_sorted;
};

} // namespace vh
