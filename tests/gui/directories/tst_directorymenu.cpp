#include "gui/register/mainform.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QAction>
#include <QMenu>

using namespace vh;

// The main window's commands for vehicle types, dispatchers, tariffs, expense
// kinds, currencies and firms.
class TestDirectoryMenu : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void commandsOpenTheirWindows_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("vehicle types") << "CommandManagerBtn"
                                   << "TCommandManagerForm"
                                   << "Типы транспортных средств";
    QTest::newRow("dispatchers") << "DispManagerBtn"
                                 << "TDispManagerForm"
                                 << "Диспетчеры";
    QTest::newRow("tariffs") << "TarifManagerBtn"
                             << "TTarifManagerForm"
                             << "Тарифы";
    QTest::newRow("expense kinds") << "ExpensesManager"
                                   << "TExpensesManagerForm"
                                   << "Дополнительные расходы";
    QTest::newRow("currencies") << "CurrencyManagerBtn"
                                << "TCurrencyManagerForm"
                                << "Валюты";
    QTest::newRow("firms") << "FirmManagerBtn"
                           << "TFirmManagerForm"
                           << "Фирмы и реквизиты";
  }
  void commandsOpenTheirWindows() {
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    test::TestSession session;
    TMainForm main(session.context(), ViewSettings{});
    auto* action = main.findChild<QAction*>(command);
    QVERIFY(action);
    QString shownCaption;
    test::NextModal opened([&](QDialog* dialog) { shownCaption = dialog->windowTitle(); });
    action->trigger();
    QCOMPARE(opened.dialogName(), window);
    QCOMPARE(shownCaption, caption);
  }

  void menuOrder() {
    test::TestSession session;
    TMainForm main(session.context(), ViewSettings{});
    QStringList editors;
    for (QAction* action : main.findChild<QMenu*>("DataSubBtn")->actions())
      editors.append(action->menu() ? action->menu()->objectName() : action->objectName());
    const QStringList expected{"GroupManagerBtn", "CommandManagerBtn",  "SourcesSubBtn", "TarifManagerBtn",
                               "ExpensesManager", "CurrencyManagerBtn", "FirmManagerBtn"};
    for (int i = 1; i < expected.size(); ++i)
      QVERIFY2(editors.indexOf(expected[i - 1]) < editors.indexOf(expected[i]), qPrintable(expected[i]));
    QStringList sources;
    for (QAction* action : main.findChild<QMenu*>("SourcesSubBtn")->actions())
      sources.append(action->objectName());
    QCOMPARE(sources, (QStringList{"SourceManagerBtn", "AdvManagerBtn", "DispManagerBtn"}));
  }

  void rightsRemoveCommands() {
    test::TestSession session(
        false, {{QStringLiteral("CommandManager"), false, false}, {QStringLiteral("FirmManagerBtn"), false, false}});
    TMainForm main(session.context(), ViewSettings{});
    for (const char* removed : {"CommandManagerBtn", "FirmManagerBtn"}) {
      const auto* action = main.findChild<QAction*>(removed);
      QVERIFY(!action->isVisible() && !action->isEnabled());
    }
    QVERIFY(main.findChild<QAction*>("TarifManagerBtn")->isVisible());
  }
};

VH_TEST_MAIN(TestDirectoryMenu)
#include "tst_directorymenu.moc"
