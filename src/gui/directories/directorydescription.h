#pragma once

#include "core/directories/namedlist.h"

#include <QList>
#include <QString>

#include <functional>

namespace vh {

class DirectoryWindow;

// Everything that makes one directory window differ from another: its texts,
// its table, and what its buttons do. The window itself is DirectoryWindow.
struct DirectoryDescription final {
  struct Button {
    QString name;    // objectName, e.g. "NewBtn"
    QString caption; // e.g. "Создать..."
  };
  using Action = std::function<void(DirectoryWindow& window)>;
  // Runs on the selected name; the window runs it only when a name is selected.
  using NameAction = std::function<void(DirectoryWindow& window, const QString& name)>;

  QString windowClass; // objectName of the window, e.g. "TSourceManagerForm"; rights find it by this
  QString caption;
  QString listName;   // objectName of the list
  QString listLabel;  // "Список источников заказов:"
  QString countLabel; // "Всего источников: "
  NamedTable table;   // what the list shows

  Button createButton{QStringLiteral("NewBtn"), QStringLiteral("Создать...")};
  Button editButton{QStringLiteral("EditBtn"), QStringLiteral("Редактировать")};
  Button deleteButton{QStringLiteral("DeleteBtn"), QStringLiteral("Удалить")};
  Button closeButton{QStringLiteral("CloseBtn"), QStringLiteral("Закрыть")};
  Action onCreate;
  NameAction onEdit;
  NameAction onDelete; // no delete button without it
  struct Extra {
    Button button;
    NameAction action; // runs on the selected name
  };
  QList<Extra> extras; // further buttons between delete and close
};

} // namespace vh
