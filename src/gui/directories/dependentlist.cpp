#include "gui/directories/dependentlist.h"

#include "core/common/collation.h"

#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace vh {

DependentList::DependentList(QListWidget* list, QPushButton* add, QPushButton* edit, QPushButton* remove, bool sorted) :
    QObject(list), m_list(list), m_sorted(sorted) {
  connect(add, &QPushButton::clicked, this, [this] {
    if (onAdd)
      onAdd();
  });
  connect(edit, &QPushButton::clicked, this, [this] { runOnSelection(onEdit); });
  connect(remove, &QPushButton::clicked, this, [this] { runOnSelection(onRemove); });
  connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { runOnSelection(onEdit); });
}

void DependentList::setEntries(QList<ListEntry> entries, qint64 selectId) {
  if (m_sorted) {
    sortByName(entries, [](const ListEntry& entry) -> const QString& { return entry.text; });
  }
  m_list->clear();
  for (const ListEntry& entry : entries) {
    auto* item = new QListWidgetItem(entry.text, m_list);
    item->setData(Qt::UserRole, entry.id);
    if (selectId != 0 && entry.id == selectId)
      m_list->setCurrentItem(item);
  }
}

std::optional<ListEntry> DependentList::selected() const {
  const QListWidgetItem* item = m_list->currentItem();
  if (!item)
    return std::nullopt;
  return ListEntry{item->data(Qt::UserRole).toLongLong(), item->text()};
}

void DependentList::runOnSelection(const EntryAction& action) {
  if (const auto entry = selected(); entry && action)
    action(*entry);
}

} // namespace vh
