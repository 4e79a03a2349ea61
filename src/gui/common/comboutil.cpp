#include "gui/common/comboutil.h"

#include <QCollator>
#include <QComboBox>
#include <QLocale>
#include <QSignalBlocker>

#include <algorithm>

namespace vh {

void setComboItems(QComboBox* combo, const QStringList& items, bool sorted) {
  QStringList list = items;
  if (sorted) {
    QCollator collator(QLocale(QLocale::Russian, QLocale::Russia));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(list.begin(), list.end(), [&](const QString& a, const QString& b) { return collator(a, b); });
  }
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
