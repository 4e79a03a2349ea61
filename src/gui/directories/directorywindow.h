#pragma once

#include "gui/directories/directorydescription.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;

namespace vh {

class AppContext;

// The one directory window: the sorted list of an entry's names, the count
// line, and the buttons of its description. Edit, rename and delete act on
// the selected name and do nothing without one; a double click edits.
class DirectoryWindow final : public QDialog {
  Q_OBJECT

public:
  DirectoryWindow(AppContext& context, DirectoryDescription description, QWidget* parent = nullptr);

  AppContext& context() { return m_context; }
  const DirectoryDescription& description() const { return m_description; }

  // Reads the list from the database again; keeps the selection by name.
  void reload();
  QString selectedName() const;
  void selectName(const QString& name);
  // Whether the list holds the name, letter case ignored.
  bool containsName(const QString& name) const;
  // Changes the list without reading the table.
  void addName(const QString& name);
  void replaceName(const QString& oldName, const QString& newName);
  void removeName(const QString& name);

  QStringList names() const { return m_names; }
  QString countText() const;

private:
  void showNames();
  void runOnSelection(const DirectoryDescription::NameAction& action);

  AppContext& m_context;
  DirectoryDescription m_description;
  QStringList m_names; // sorted as Russian readers expect, letter case ignored
  QListWidget* m_list = nullptr;
  QLabel* m_count = nullptr;
};

} // namespace vh
