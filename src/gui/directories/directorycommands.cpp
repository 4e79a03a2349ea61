#include "gui/directories/directorycommands.h"

#include "gui/directories/directories.h"
#include "gui/register/mainform.h"

#include <QAction>
#include <QMenu>

namespace vh {

void addDirectoryCommands(TMainForm& main, QMenu* editors, QMenu* manage) {
  const auto command = [&main](QMenu* menu, const char* name, const QString& caption,
                               DirectoryDescription (*describe)()) {
    QAction* action = main.addCommand(menu, name, caption);
    QObject::connect(action, &QAction::triggered, &main,
                     [&main, describe] { openDirectory(main.context(), describe(), &main); });
    return action;
  };
  command(editors, "ClientManagerBtn", QStringLiteral("Клиенты"), &clientsDirectory);
  command(editors, "GroupManagerBtn", QStringLiteral("Группы Клиентов"), &clientGroupsDirectory);
  command(editors, "WorkerManagerBtn", QStringLiteral("Транспортные компании"), &carriersDirectory);
  command(editors, "CommandManagerBtn", QStringLiteral("Типы транспорта"), &vehicleTypesDirectory);
  QMenu* sources = editors->addMenu(QStringLiteral("Источники заказов"));
  sources->setObjectName(QStringLiteral("SourcesSubBtn"));
  command(sources, "SourceManagerBtn", QStringLiteral("Варианты источников..."), &orderSourcesDirectory);
  command(sources, "AdvManagerBtn", QStringLiteral("Реклама..."), &advertsDirectory);
  command(sources, "DispManagerBtn", QStringLiteral("Диспетчеры..."), &dispatchersDirectory);
  command(editors, "TarifManagerBtn", QStringLiteral("Тарифы..."), &tariffsDirectory);
  command(editors, "ExpensesManager", QStringLiteral("Расходы..."), &expenseKindsDirectory);
  command(editors, "CurrencyManagerBtn", QStringLiteral("Валюты"), &currenciesDirectory);
  command(editors, "FirmManagerBtn", QStringLiteral("Фирмы и реквизиты..."), &firmsDirectory)
      ->setToolTip(QStringLiteral("Фирмы и реквизиты"));

  command(manage, "UserManagerBtn", QStringLiteral("Пользователи"), &usersDirectory);
  command(manage, "StatusManagerBtn", QStringLiteral("Статусы полномочий"), &statusesDirectory);
}

} // namespace vh
