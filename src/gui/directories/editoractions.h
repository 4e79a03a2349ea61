#pragma once

#include "gui/directories/directorydescription.h"
#include "gui/directories/directorywindow.h"
#include "gui/directories/entryeditor.h"

namespace vh {

// The captions of an entry editor opened from its directory window.
struct EditorCaptions final {
  QString create;
  QString createOk = QStringLiteral("Создать");
  QString edit;
  QString editOk = QStringLiteral("Сохранить");
};

// After an entry editor has closed: the list is read again (the editor may
// have stored entries even when cancelled) and the entry it stored, if any,
// is selected.
inline void showStoredEntry(DirectoryWindow& window, const QString& storedName) {
  window.reload();
  if (!storedName.isEmpty())
    window.selectName(storedName);
}

// Wires create and edit of a description to an entry editor that is made for
// the window, loads an entry by its name (load) and tells the name it stored
// (storedName).
template <typename Editor> void useEntryEditor(DirectoryDescription& description, const EditorCaptions& captions) {
  description.onCreate = [captions](DirectoryWindow& window) {
    Editor editor(window.context(), &window);
    editor.prepare(EntryEditor::Mode::Create, captions.create, captions.createOk);
    editor.exec();
    showStoredEntry(window, editor.storedName());
  };
  description.onEdit = [captions](DirectoryWindow& window, const QString& name) {
    Editor editor(window.context(), &window);
    editor.prepare(EntryEditor::Mode::Edit, captions.edit, captions.editOk);
    if (editor.load(name))
      editor.exec();
    showStoredEntry(window, editor.storedName());
  };
}

} // namespace vh
