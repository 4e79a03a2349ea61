#pragma once

#include "gui/directories/directorydescription.h"
#include "gui/directories/directorywindow.h"
#include "gui/directories/entryeditor.h"

#include <memory>

namespace vh {

// The captions a directory window gives its entry editor.
struct EditorCaptions final {
  QString create;
  QString createOk = QStringLiteral("Создать");
  QString edit;
  QString editOk = QStringLiteral("Сохранить");
};

// Wires a directory's create and edit buttons to its entry editor. make(window)
// returns a fresh editor (a std::unique_ptr) that derives from EntryEditor and has
//   bool load(const QString& name);  the stored entry's fields; false when there is none
//   QString storedName() const;      the name it stored; empty when it stored nothing
// When the editor has closed, the window reads its list again (an editor may
// store entries even when it is cancelled) and selects the entry stored.
template <typename MakeEditor>
void useEntryEditor(DirectoryDescription& description, const EditorCaptions& captions, MakeEditor make) {
  const auto showStored = [](DirectoryWindow& window, const QString& stored) {
    window.reload();
    if (!stored.isEmpty())
      window.selectName(stored);
  };
  description.onCreate = [captions, make, showStored](DirectoryWindow& window) {
    auto editor = make(window);
    editor->prepare(EntryEditor::Mode::Create, captions.create, captions.createOk);
    editor->exec();
    showStored(window, editor->storedName());
  };
  description.onEdit = [captions, make, showStored](DirectoryWindow& window, const QString& name) {
    auto editor = make(window);
    editor->prepare(EntryEditor::Mode::Edit, captions.edit, captions.editOk);
    if (!editor->load(name))
      return;
    editor->exec();
    showStored(window, editor->storedName());
  };
}

// The same for an editor made from the application context alone.
template <typename Editor> void useEntryEditor(DirectoryDescription& description, const EditorCaptions& captions) {
  useEntryEditor(description, captions,
                 [](DirectoryWindow& window) { return std::make_unique<Editor>(window.context(), &window); });
}

} // namespace vh
