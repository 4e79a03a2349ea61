#pragma once

#include "core/directories/personrepository.h"
#include "gui/directories/entryeditor.h"

#include <QMessageBox>

#include <functional>

class QLineEdit;

namespace vh {

// What makes one person editor differ from another: its names, limits,
// messages, table and journal texts.
struct PersonEditorTexts final {
  QString windowClass; // "TCustomerEditForm"; the rights find the window by it
  QString nameField;   // objectName of the name box, "CustomerName"
  QString phoneField;  // "CustomerPhone"
  int nameLength = 60;
  int phoneLength = 50; // 0: no limit
  QString emptyName;    // the warning for an empty name
  QString duplicate;    // the message for a name taken
  QMessageBox::Icon duplicateIcon = QMessageBox::Warning;
  PersonTable table;
  std::function<QString(const QString& name)> createJournal;
  std::function<QString(const QString& name)> editJournal;
};

// The one editor of a person kept under an owner (a client's contact person,
// a vehicle's driver, a carrier's manager): a name and a telephone. The
// opener gives the owner, sets the mode with prepare() and, to edit, loads
// the person; afterwards it reads name() and storedId().
class PersonEditForm : public EntryEditor {
  Q_OBJECT

public:
  // False when the person no longer exists, or on a failure (already shown).
  bool load(qint64 personId);

  QString name() const;
  // The person's row once stored or loaded; 0 before.
  qint64 storedId() const { return m_id; }

protected:
  PersonEditForm(AppContext& context, PersonEditorTexts texts, qint64 ownerId, QWidget* parent);
  bool save() override;

private:
  PersonEditorTexts m_texts;
  qint64 m_ownerId;
  qint64 m_id = 0;
  QLineEdit* m_name = nullptr;
  QLineEdit* m_phone = nullptr;
};

} // namespace vh
