#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

namespace vh {

// Replaces a list's entries; sorted lists are ordered as Russian readers
// expect. Nothing stays selected.
void setComboItems(QComboBox* combo, const QStringList& items, bool sorted);
// Selects the first entry equal to text, ignoring letter case; selects nothing
// when none is equal. Returns whether an entry was selected.
bool selectComboText(QComboBox* combo, const QString& text);
// The selected entry's text, or empty when nothing is selected.
QString selectedComboText(const QComboBox* combo);

} // namespace vh
