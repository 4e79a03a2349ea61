#include "core/journal/journalwriter.h"
#include "core/order/orderrepository.h"
#include "gui/common/comboutil.h"
#include "gui/order/transorderform.h"
#include "gui/register/mainform.h"
#include "gui/register/ordercommands.h"
#include "gui/register/registermodel.h"
#include "gui/register/registerview.h"
#include "support/fakes.h"
#include "support/orderfixture.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

#include <functional>

using namespace vh;

namespace {

using Fixture = test::OrderFixture;

// Runs fn on the modal window once its event loop runs, then closes it if fn
// did not.
void whenModal(std::function<void(QDialog*)> fn) {
  QTimer::singleShot(0, [fn] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      QFAIL("no modal window");
      return;
    }
    fn(dialog);
    if (dialog->isVisible())
      dialog->reject();
  });
}

struct Register {
  explicit Register(const QList<PermissionRow>& rights = {}) : session(false, rights), fixture(session.data()) {
    JournalWriter journal(session.db(), QStringLiteral("Administrator"));
    for (int i = 0; i < 3; ++i) {
      OrderInput order = fixture.order();
      order.route = QStringLiteral("Маршрут %1").arg(i + 1);
      ids.append(*OrderRepository(session.db()).insert(order, session.data().adminId(), journal));
    }
    main = std::make_unique<TMainForm>(session.context(), ViewSettings());
    main->reloadRegister(false);
  }

  QAction* command(const char* name) const { return main->findChild<QAction*>(QLatin1String(name)); }
  // Selects the order's row, as a click on it does.
  void select(qint64 id) const { main->selectOrder(id); }

  test::TestSession session;
  Fixture fixture;
  test::RecordingMessages messages;
  QList<qint64> ids;
  std::unique_ptr<TMainForm> main;
};

} // namespace

class TestOrderCommands : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void commandsTakeTheirPlaces() {
    Register r;
    QStringList menu;
    const auto orderMenu = r.main->findChild<QMenu*>(QStringLiteral("OrderSubBtn"));
    for (const QAction* action : orderMenu->actions())
      menu.append(action->isSeparator() ? QStringLiteral("|") : action->text());
    QCOMPARE(menu, (QStringList{"Создать...", "Редактировать", "Оплата", "Дублировать...", "Удалить", "Свойства", "|",
                                "Выход"}));
    QCOMPARE(r.command("OrderCreateBtn")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    QCOMPARE(r.command("OrderEditBtn")->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(r.command("PaymentBtn")->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(r.command("OrderDeleteBtn")->shortcut(), QKeySequence(Qt::Key_Delete));
    QCOMPARE(r.command("PropertiesBtn")->shortcut(), QKeySequence(Qt::Key_F4));
    QCOMPARE(r.command("OrderCreateBtn")->toolTip(), QStringLiteral("Создать"));
    QCOMPARE(r.command("DublicateBtn")->toolTip(), QStringLiteral("Дублировать"));
    const auto toolbar = r.main->findChild<QToolBar*>(QStringLiteral("ToolBar"))->actions();
    for (const char* name : {"OrderCreateBtn", "OrderEditBtn", "PaymentBtn", "DublicateBtn"})
      QVERIFY2(toolbar.contains(r.command(name)), name);
    const auto popup = r.main->findChild<QMenu*>(QStringLiteral("GridPopup"))->actions();
    for (const char* name : {"OrderEditBtn", "PaymentBtn", "DublicateBtn", "PropertiesBtn"})
      QVERIFY2(popup.contains(r.command(name)), name);
  }

  void rightsRemoveCommandsButDoubleClickStillEdits() {
    Register r({{QStringLiteral("OrderEditor"), true, false},
                {QStringLiteral("OrderDelete"), true, false},
                {QStringLiteral("PaymentEditor"), true, false}});
    for (const char* name : {"OrderCreateBtn", "OrderEditBtn", "DublicateBtn", "OrderDeleteBtn", "PaymentBtn"}) {
      QVERIFY2(!r.command(name)->isVisible(), name);
      QVERIFY2(!r.command(name)->isEnabled(), name);
    }
    QVERIFY(!r.main->findChild<QToolBar*>(QStringLiteral("ToolBar"))->actions().contains(r.command("OrderEditBtn")));
    QVERIFY(r.command("PropertiesBtn")->isVisible());

    r.select(r.ids[1]);
    QString caption;
    qint64 opened = 0;
    whenModal([&](QDialog* dialog) {
      caption = dialog->windowTitle();
      opened = qobject_cast<TTransOrderForm*>(dialog)->orderId();
    });
    const QModelIndex cell = r.main->grid()->currentIndex();
    Q_EMIT r.main->grid()->doubleClicked(cell);
    QCOMPARE(caption, QStringLiteral("Редактирование заказа"));
    QCOMPARE(opened, r.ids[1]);
  }

  void editAndPaymentOpenTheSelectedOrder_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("page");
    QTest::newRow("edit") << "OrderEditBtn"
                          << "OrderSheet";
    QTest::newRow("payment") << "PaymentBtn"
                             << "PaymentSheet";
  }
  void editAndPaymentOpenTheSelectedOrder() {
    QFETCH(QString, command);
    QFETCH(QString, page);
    Register r;
    r.select(r.ids[2]);
    QString caption, shownPage;
    qint64 opened = 0;
    whenModal([&](QDialog* dialog) {
      caption = dialog->windowTitle();
      shownPage = dialog->findChild<QTabWidget*>(QStringLiteral("PageControl"))->currentWidget()->objectName();
      opened = qobject_cast<TTransOrderForm*>(dialog)->orderId();
      dialog->findChild<QLineEdit*>(QStringLiteral("Route"))->setText(QStringLiteral("Изменено"));
      dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    r.command(qPrintable(command))->trigger();
    QCOMPARE(caption, QStringLiteral("Редактирование заказа"));
    QCOMPARE(shownPage, page);
    QCOMPARE(opened, r.ids[2]);
    QCOMPARE(r.session.data().scalar("SELECT Маршрут FROM Заявки WHERE ID=:id", {{"id", r.ids[2]}}).toString(),
             QStringLiteral("Изменено"));
    // The register shows the change and keeps the order selected.
    QCOMPARE(r.main->selectedOrder().value_or(0), r.ids[2]);
  }

  void createdOrderIsSelectedAfterTheReload() {
    Register r;
    r.select(r.ids[0]);
    whenModal([&](QDialog* dialog) {
      const auto choose = [dialog](const char* name, const QString& text) {
        QVERIFY(selectComboText(dialog->findChild<QComboBox*>(QLatin1String(name)), text));
      };
      choose("ClientName", QString::fromUtf8(Fixture::kClient));
      choose("ClientFaceCombo", QString::fromUtf8(Fixture::kCustomer));
      choose("AutoType", QString::fromUtf8(Fixture::kVehicleType));
      dialog->findChild<QLineEdit*>(QStringLiteral("Route"))->setText(QStringLiteral("Новый маршрут"));
      dialog->findChild<QLineEdit*>(QStringLiteral("FREIGHT"))->setText(QStringLiteral("Груз"));
      choose("WorkerName", QString::fromUtf8(Fixture::kCarrier));
      choose("AutoCombo", QString::fromUtf8(Fixture::kVehicle));
      choose("DriverCombo", QString::fromUtf8(Fixture::kDriver));
      choose("WorkerManagerCombo", QString::fromUtf8(Fixture::kManager));
      choose("OrderSourceCombo", QStringLiteral("Рекомендация"));
      choose("CurrencyType", QStringLiteral("Рубль"));
      choose("CashType", QStringLiteral("Наличный"));
      choose("Tarif", QString::fromUtf8(Fixture::kTariff));
      dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    r.command("OrderCreateBtn")->trigger();
    const qint64 created = r.session.data().scalar("SELECT Max(ID) FROM Заявки").toLongLong();
    QVERIFY(!r.ids.contains(created));
    QCOMPARE(r.main->registerModel()->rowCount(), 4);
    QCOMPARE(r.main->selectedOrder().value_or(0), created);
  }

  void duplicateAddsANewOrder() {
    Register r;
    r.select(r.ids[0]);
    QString caption;
    whenModal([&](QDialog* dialog) {
      caption = dialog->windowTitle();
      dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    r.command("DublicateBtn")->trigger();
    QCOMPARE(caption, QStringLiteral("Дублирование заказа"));
    QCOMPARE(r.session.data().count("Заявки", "Маршрут='Маршрут 1'"), 2);
    const qint64 copy = r.session.data().scalar("SELECT Max(ID) FROM Заявки").toLongLong();
    QCOMPARE(r.main->selectedOrder().value_or(0), copy);
  }

  void noSelectionOpensNothing() {
    Register r;
    r.main->grid()->setCurrentIndex({});
    r.command("OrderEditBtn")->trigger();
    QCOMPARE(r.messages.texts(), QStringList{QStringLiteral("Выберите заказ в списке.")});
    r.command("OrderDeleteBtn")->trigger();
    r.command("PropertiesBtn")->trigger();
    QCOMPARE(r.messages.shown.size(), 1);
    QCOMPARE(r.session.data().count("Заявки"), 3);
  }

  void deleteAsksAndRemovesOrderWithChildren() {
    Register r;
    r.select(r.ids[1]);
    r.messages.answers.enqueue(QMessageBox::No);
    r.command("OrderDeleteBtn")->trigger();
    QCOMPARE(r.messages.last().text, QStringLiteral("Вы действительно хотите удалить Заказ?"));
    QCOMPARE(r.messages.last().caption, QStringLiteral("Подтверждение удаления"));
    QCOMPARE(r.session.data().count("Заявки"), 3);
    QCOMPARE(r.main->registerModel()->rowCount(), 3);

    r.messages.answers.enqueue(QMessageBox::Yes);
    r.command("OrderDeleteBtn")->trigger();
    QCOMPARE(r.session.data().count("Заявки", "ID=:id", {{"id", r.ids[1]}}), 0);
    QCOMPARE(r.session.data().count("Расходные", "Заявка_ID=:id", {{"id", r.ids[1]}}), 0);
    QCOMPARE(r.main->registerModel()->rowCount(), 2);
    QCOMPARE(r.main->registerModel()->rowOfId(r.ids[1]), -1);
    QCOMPARE(r.session.data().scalar("SELECT Действие FROM Протокол ORDER BY ID DESC LIMIT 1").toString(),
             QStringLiteral("Удаление заказа № %1").arg(r.ids[1]));
  }

  // Archived meanwhile (by another user), while still listed here.
  void propertiesShowTheOrder() {
    Register r;
    r.select(r.ids[0]);
    r.session.data().exec("UPDATE Заявки SET Создано='2026-03-01 10:15:00', Done=True WHERE ID=:id",
                          {{"id", r.ids[0]}});
    QMap<QString, QString> fields;
    QString focused;
    whenModal([&](QDialog* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Свойства заказа"));
      for (const char* name : {"ID", "DateTimeEdit", "UserName", "Status"})
        fields.insert(QLatin1String(name), dialog->findChild<QLineEdit*>(QLatin1String(name))->text());
      focused = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
      dialog->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
    r.command("PropertiesBtn")->trigger();
    QCOMPARE(fields.value("ID"), QString::number(r.ids[0]));
    QCOMPARE(fields.value("DateTimeEdit"), QStringLiteral("01.03.2026 10:15:00"));
    QCOMPARE(fields.value("UserName"), QStringLiteral("Administrator"));
    QCOMPARE(fields.value("Status"), QStringLiteral("Архивный"));
    QCOMPARE(focused, QStringLiteral("CancelBtn"));
  }
};

VH_TEST_MAIN(TestOrderCommands)
#include "tst_ordercommands.moc"
