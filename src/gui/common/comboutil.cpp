#include "gui/common/comboutil.h"

#include "core/common/collation.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace vh {

void setComboItems(QComboBox* combo, const QStringList& items, bool sorted) {
  QStringList list = items;
  if (sorted)
    sortNames(list);
  const QSignalBlocker blocker(combo);
  combo->clear();
  combo->addItems(list);
  combo->setCurrentIndex(-1);
}

bool selectComboText(QComboBox* combo, const QString& text) {
  for (int i = 0; i < combo->count(); ++i) {
    if (combo->itemText(i).compare(text, Qt::CaseInsensitive) == 0) {
      combo->setCurrentIndex(i);
      return true;
    }
  }
  combo->setCurrentIndex(-1);
  return false;
}

QString selectedComboText(const QComboBox* combo) {
  return combo->currentIndex() < 0 ? QString() : combo->itemText(combo->currentIndex());
}

} // namespace vh
