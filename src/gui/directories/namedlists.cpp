// The directories whose entries are only a name, kept through the input box.
#include "gui/directories/directories.h"
#include "gui/directories/namedlistactions.h"

namespace vh {

namespace {
QString with(const char* text, const QString& name) {
  return QString::fromUtf8(text) + name;
}
} // namespace

DirectoryDescription clientGroupsDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TGroupManagerForm");
  d.caption = QStringLiteral("Группы Клиентов");
  d.listName = QStringLiteral("GroupList");
  d.listLabel = QStringLiteral("Список групп Клиентов:");
  d.countLabel = QStringLiteral("Всего групп: ");
  d.table = {QStringLiteral("Группы"), QStringLiteral("Наименование"), {}, {}};
  d.editButton.caption = QStringLiteral("Переименовать");
  InputBoxTexts texts;
  texts.createCaption = QStringLiteral("Новая группа");
  texts.createDuplicate = texts.renameDuplicate = QStringLiteral("Группа с данным наименованием уже существует!");
  useInputBox(d, texts);
  useConfirmedDelete(
      d, {QStringLiteral("Вы действительно хотите удалить группу?"), QStringLiteral("Удаление группы"), {}});
  return d;
}

DirectoryDescription orderSourcesDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TSourceManagerForm");
  d.caption = QStringLiteral("Источники заказов");
  d.listName = QStringLiteral("SourceList");
  d.listLabel = QStringLiteral("Список источников заказов:");
  d.countLabel = QStringLiteral("Всего источников: ");
  d.table = {QStringLiteral("Источники"), QStringLiteral("Наименование"), {}, {}};
  d.editButton.caption = QStringLiteral("Переименовать");
  InputBoxTexts texts;
  texts.createCaption = QStringLiteral("Новый источник");
  texts.maxLength = 255;
  texts.createDuplicate = texts.renameDuplicate = QStringLiteral("Источник с данным наименованием уже существует!");
  texts.createJournal = [](const QString& name) { return with("Создание Источника Заказов ", name); };
  texts.renameJournal = [](const QString& oldName, const QString& newName) {
    return with("Переименование Источника Заказов ", oldName) + with(" на ", newName);
  };
  useInputBox(d, texts);
  useConfirmedDelete(d,
                     {QStringLiteral("Вы действительно хотите удалить источник?"), QStringLiteral("Удаление источника"),
                      [](const QString& name) { return with("Удаление Источника Заказов ", name); }});
  return d;
}

DirectoryDescription advertsDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TAdvManagerForm");
  d.caption = QStringLiteral("Реклама");
  d.listName = QStringLiteral("AdvList");
  d.listLabel = QStringLiteral("Виды рекламы:");
  d.countLabel = QStringLiteral("Всего видов рекламы: ");
  d.table = {QStringLiteral("Реклама"), QStringLiteral("Наименование"), {}, {}};
  d.editButton.caption = QStringLiteral("Переименовать");
  InputBoxTexts texts;
  texts.createCaption = QStringLiteral("Новая реклама");
  texts.maxLength = 255;
  texts.createDuplicate = QStringLiteral("Вид рекламы с данным наименованием уже существует!");
  texts.renameDuplicate = QStringLiteral("Вариант рекламы с данным наименованием уже существует!");
  texts.createJournal = [](const QString& name) { return with("Добавление новой рекламы ", name); };
  texts.renameJournal = [](const QString&, const QString& newName) { return with("Переименование рекламы ", newName); };
  useInputBox(d, texts);
  useConfirmedDelete(d, {QStringLiteral("Вы действительно хотите удалить вид рекламы?"), QStringLiteral("Удаление"),
                         [](const QString& name) { return with("Удаление рекламы ", name); }});
  return d;
}

} // namespace vh
