#include "core/rights/rights.h"
#include "gui/common/rightsapplier.h"
#include "gui/register/mainform.h"
#include "gui/register/registerview.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

using namespace vh;

namespace {

// A stand-in for the order editor: two governed fields with their captions.
struct EditorStandIn {
  QWidget window;
  QComboBox* client = new QComboBox;
  QComboBox* source = new QComboBox;
  QLabel* clientLabel = new QLabel(QStringLiteral("Клиент:"));

  EditorStandIn() {
    window.setObjectName(QStringLiteral("TTransOrderForm"));
    client->setObjectName(QStringLiteral("ClientName"));
    source->setObjectName(QStringLiteral("OrderSourceCombo"));
    clientLabel->setBuddy(client);
    auto* form = new QFormLayout(&window);
    form->addRow(clientLabel, client);
    form->addRow(QStringLiteral("Источник:"), source);
    window.show();
  }
};

} // namespace

class TestRightsApplier : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void fieldRights_data() {
    QTest::addColumn<bool>("read");
    QTest::addColumn<bool>("change");
    QTest::newRow("hidden") << false << false;
    QTest::newRow("shown read-only") << true << false;
    QTest::newRow("shown and editable") << true << true;
  }
  void fieldRights() {
    QFETCH(bool, read);
    QFETCH(bool, change);
    EditorStandIn editor;
    applyRights(&editor.window, Rights({{QStringLiteral("_ClientName"), read, change}}));
    QCOMPARE(editor.client->isVisible(), read);
    QCOMPARE(editor.clientLabel->isVisible(), read);
    QCOMPARE(editor.client->isEnabled(), change);
    // Fields not named stay as designed.
    QVERIFY(editor.source->isVisible() && editor.source->isEnabled());
  }

  void laterRowDecides() {
    EditorStandIn editor;
    applyRights(&editor.window,
                Rights({{QStringLiteral("_ClientName"), false, false}, {QStringLiteral("_ClientName"), true, true}}));
    QVERIFY(editor.client->isVisible() && editor.client->isEnabled());
  }

  // A removed command is gone from the menu, the toolbar and the pop-up, and its shortcut is dead.
  void commandRemovedEverywhere() {
    QMainWindow window;
    window.setObjectName(QStringLiteral("TMainForm"));
    QMenu* orders = window.menuBar()->addMenu(QStringLiteral("Заказ"));
    auto* create = new QAction(QStringLiteral("Создать..."), &window);
    create->setObjectName(QStringLiteral("OrderCreateBtn"));
    create->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    window.addAction(create);
    orders->addAction(create);
    auto* remove = new QAction(QStringLiteral("Удалить"), &window);
    remove->setObjectName(QStringLiteral("OrderDeleteBtn"));
    orders->addAction(remove);
    QToolBar* toolbar = window.addToolBar(QStringLiteral("Панель управления"));
    toolbar->addAction(create);
    QMenu popup;
    popup.addAction(create);
    int triggered = 0;
    connect(create, &QAction::triggered, [&] { ++triggered; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    applyRights(&window, Rights({{QStringLiteral("OrderEditor"), true, false}}));
    QCoreApplication::processEvents();
    QVERIFY(!create->isVisible());
    QWidget* button = toolbar->widgetForAction(create);
    QVERIFY(!button || !button->isVisible());
    QVERIFY(remove->isVisible());
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(triggered, 0);
  }

  // The journal and users commands go together; with the other management
  // rights denied too, the whole "Управление" menu disappears.
  void emptyMenusAreRemoved() {
    test::TestSession session(false, {{QStringLiteral("UserManager"), true, false},
                                      {QStringLiteral("StatusManager"), true, false},
                                      {QStringLiteral("DBManager"), true, false}});
    TMainForm main(session.context(), ViewSettings());
    auto* protocol = main.findChild<QAction*>(QStringLiteral("ProtocolBtn"));
    QVERIFY(protocol && !protocol->isVisible());
    auto* manage = main.findChild<QMenu*>(QStringLiteral("ManageSubBtn"));
    QVERIFY(!manage->menuAction()->isVisible());
    auto* service = main.findChild<QMenu*>(QStringLiteral("ServiceSubBtn"));
    QVERIFY(service->menuAction()->isVisible());
    auto* popup = main.findChild<QMenu*>(QStringLiteral("GridPopup"));
    QVERIFY(!popup->actions().contains(protocol));
  }

  // Without the right to see the start date the "Начало" column is gone for good.
  void startColumnFollowsStartDateRight() {
    test::TestSession session(false, {{QStringLiteral("_StartDateTime"), false, false}});
    TMainForm main(session.context(), ViewSettings());
    main.reloadRegister(false);
    auto* item = main.findChild<QAction*>(QStringLiteral("Col1"));
    QVERIFY(!item->isVisible() && !item->isChecked());
    main.findChild<QAction*>(QStringLiteral("ShowColsAllBtn"))->trigger();
    QVERIFY(main.grid()->isColumnHidden(1));
    QVERIFY(!main.grid()->isColumnHidden(2));
    QCOMPARE(main.statusText(2), QStringLiteral("Видимых полей: 18"));
  }

  // Every key the permission catalogue offers governs something.
  void everyCommandKeyHasTargets_data() {
    QTest::addColumn<QString>("key");
    for (const char* key : {"SourceManager",       "SourceManagerDelete", "GroupManager",       "CommandManager",
                            "TarifManagerBtn",     "ExpensesManager",     "CurrencyManagerBtn", "FirmManagerBtn",
                            "ClientManager",       "ClientManagerDelete", "WorkerManager",      "WorkerManagerDelete",
                            "OrderEditor",         "OrderDelete",         "PaymentEditor",      "GoToDone",
                            "WordReportBtn",       "TotalPriceBtn",       "ExcelReportBtn",     "StatusManager",
                            "StatusManagerDelete", "UserManager",         "UserManagerDelete",  "DBManager",
                            "_ClientName",         "_WorkerRUBSumm"})
      QTest::newRow(key) << QString::fromLatin1(key);
  }
  void everyCommandKeyHasTargets() {
    QFETCH(QString, key);
    QVERIFY(!Rights::targetsOf(key).isEmpty());
  }
};

VH_TEST_MAIN(TestRightsApplier)
#include "tst_rightsapplier.moc"
