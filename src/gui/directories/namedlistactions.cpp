#include "gui/directories/namedlistactions.h"

#include "gui/app/appcontext.h"
#include "gui/common/dialogs.h"
#include "gui/common/messages.h"
#include "gui/directories/directorywindow.h"

namespace vh {

namespace {

QString cut(const QString& name, int maxLength) {
  return maxLength > 0 ? name.left(maxLength) : name;
}

// True when the name is free; shows the duplicate message otherwise.
bool nameIsFree(DirectoryWindow& window, const QString& name, const QString& duplicateMessage) {
  const auto exists = NamedListRepository(window.context().db(), window.description().table).exists(name);
  if (!exists) {
    msg::failure(&window, exists.error());
    return false;
  }
  if (*exists) {
    MessageBoxes::instance().show(&window, {QMessageBox::Warning, QStringLiteral("Ошибка"), duplicateMessage});
    return false;
  }
  return true;
}

} // namespace

QString createByInputBox(DirectoryWindow& window, const InputBoxTexts& texts) {
  const auto typed = InputBox::instance().getText(&window, texts.createCaption, texts.createPrompt, QString());
  // Used exactly as typed: a name of blanks is a name.
  if (!typed || typed->isEmpty())
    return {};
  const QString name = cut(*typed, texts.maxLength);
  if (!nameIsFree(window, name, texts.createDuplicate))
    return {};
  AppContext& context = window.context();
  const auto inserted =
      NamedListRepository(context.db(), window.description().table)
          .insert(name, context.journal(), texts.createJournal ? texts.createJournal(name) : QString());
  if (!inserted) {
    msg::failure(&window, inserted.error());
    return {};
  }
  window.addName(name);
  return name;
}

void renameByInputBox(DirectoryWindow& window, const QString& name, const InputBoxTexts& texts) {
  const auto typed = InputBox::instance().getText(&window, texts.renameCaption, texts.renamePrompt, name);
  if (!typed || typed->isEmpty() || *typed == name)
    return;
  const QString newName = cut(*typed, texts.maxLength);
  if (!nameIsFree(window, newName, texts.renameDuplicate))
    return;
  AppContext& context = window.context();
  const QString action = texts.renameJournal ? texts.renameJournal(name, newName) : QString();
  const auto renamed =
      NamedListRepository(context.db(), window.description().table).rename(name, newName, context.journal(), action);
  if (!renamed) {
    msg::failure(&window, renamed.error());
    return;
  }
  window.replaceName(name, newName);
}

void deleteConfirmed(DirectoryWindow& window, const QString& name, const DeleteTexts& texts) {
  if (!msg::confirm(&window, texts.question, texts.caption))
    return;
  AppContext& context = window.context();
  const auto removed = NamedListRepository(context.db(), window.description().table)
                           .remove(name, context.journal(), texts.journal ? texts.journal(name) : QString());
  if (!removed) {
    msg::failure(&window, removed.error());
    return;
  }
  window.removeName(name);
}

void useInputBox(DirectoryDescription& description, const InputBoxTexts& texts) {
  description.onCreate = [texts](DirectoryWindow& window) { createByInputBox(window, texts); };
  description.onEdit = [texts](DirectoryWindow& window, const QString& name) { renameByInputBox(window, name, texts); };
}

void useConfirmedDelete(DirectoryDescription& description, const DeleteTexts& texts) {
  description.onDelete = [texts](DirectoryWindow& window, const QString& name) {
    deleteConfirmed(window, name, texts);
  };
}

} // namespace vh
