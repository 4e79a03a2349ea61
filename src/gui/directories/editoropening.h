#pragma once

#include "gui/directories/directorydescription.h"
#include "gui/directories/directorywindow.h"

namespace vh {

// Wires a directory's create and edit buttons to its entry editor. make(window)
// returns a fresh editor (a std::unique_ptr) with
//   void startCreate();                    cleared fields, create mode
//   bool startEdit(const QString& name);   fields of the stored entry, edit mode; false when there is none
//   QString storedName() const;            the name saved by OK
// After OK the window reads its list again and selects the stored entry.
template <typename MakeEditor> void useEntryEditor(DirectoryDescription& description, MakeEditor make) {
  const auto show = [](DirectoryWindow& window, auto& editor) {
    if (editor.exec() != QDialog::Accepted)
      return;
    window.reload();
    window.selectName(editor.storedName());
  };
  description.onCreate = [make, show](DirectoryWindow& window) {
    auto editor = make(window);
    editor->startCreate();
    show(window, *editor);
  };
  description.onEdit = [make, show](DirectoryWindow& window, const QString& name) {
    auto editor = make(window);
    if (editor->startEdit(name))
      show(window, *editor);
  };
}

} // namespace vh
