#pragma once

#include <QCollator>
#include <QList>
#include <QString>

#include <algorithm>

namespace vh {

// Orders names as Russian readers expect: letter case ignored, digits by
// their value ("Авто 9" before "Авто 10").
QCollator namesCollator();

// Sorts items by the name key() gives, in that order; equal names keep their order.
template <typename T, typename Key> void sortByName(QList<T>& items, Key key) {
  const QCollator collator = namesCollator();
  std::stable_sort(items.begin(), items.end(), [&](const T& a, const T& b) { return collator(key(a), key(b)); });
}

inline void sortNames(QList<QString>& names) {
  sortByName(names, [](const QString& name) -> const QString& { return name; });
}

} // namespace vh
