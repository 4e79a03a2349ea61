#pragma once

#include "gui/directories/directorydescription.h"

namespace vh {

// The journal action for a name (or, on renaming, for the old and the new
// name); an empty function writes no entry.
using NameJournal = std::function<QString(const QString& name)>;
using RenameJournal = std::function<QString(const QString& oldName, const QString& newName)>;

// Texts of a directory whose entries are created and renamed through the
// one-line input box.
struct InputBoxTexts final {
  QString createCaption;
  QString createPrompt = QStringLiteral("Наименование:");
  QString createDuplicate;
  NameJournal createJournal;
  QString renameCaption = QStringLiteral("Переименование");
  QString renamePrompt = QStringLiteral("Новое наименование:");
  QString renameDuplicate;
  RenameJournal renameJournal;
  // Longer names are cut to this many characters before they are checked and stored; 0 for no limit.
  int maxLength = 0;
};

// Asks a name, refuses one that exists already (letter case ignored), stores
// it with its journal entry and adds it to the list. Returns the stored name,
// or an empty text when nothing was stored.
QString createByInputBox(DirectoryWindow& window, const InputBoxTexts& texts);
// Asks the new name of the selected entry and renames it likewise.
void renameByInputBox(DirectoryWindow& window, const QString& name, const InputBoxTexts& texts);

struct DeleteTexts final {
  QString question;
  QString caption;
  NameJournal journal;
};

// Asks for confirmation, then deletes (or deactivates) the entry by its name.
void deleteConfirmed(DirectoryWindow& window, const QString& name, const DeleteTexts& texts);

// Wires create, rename and delete of a description to the functions above.
void useInputBox(DirectoryDescription& description, const InputBoxTexts& texts);
void useConfirmedDelete(DirectoryDescription& description, const DeleteTexts& texts);

} // namespace vh
