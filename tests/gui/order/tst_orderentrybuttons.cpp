#include "gui/common/comboutil.h"
#include "gui/order/transorderform.h"
#include "support/fakes.h"
#include "support/orderfixture.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace vh;

namespace {

using Fixture = test::OrderFixture;
QString u8(const char* text) {
  return QString::fromUtf8(text);
}

// A new order in the editor, on the small directory set of the order tests.
struct Editor {
  test::TestSession session;
  Fixture fixture{session.data()};
  TTransOrderForm form{session.context()};

  Editor() {
    if (!form.prepareNewOrder())
      qFatal("the editor could not be prepared");
  }
  QComboBox* combo(const char* name) { return test::child<QComboBox>(&form, name); }
  void choose(const char* name, const QString& text) {
    if (!selectComboText(combo(name), text))
      qFatal("no entry %s in %s", qPrintable(text), name);
  }
  QStringList items(const char* name) {
    QStringList out;
    for (int i = 0; i < combo(name)->count(); ++i)
      out.append(combo(name)->itemText(i));
    return out;
  }
  // The entry selected in a list; empty when none is.
  QString selected(const char* name) { return selectedComboText(combo(name)); }
  // Presses an editor button whose window the answer drives; returns that window's name.
  QString press(const char* button, std::function<void(QDialog*)> answer) {
    test::NextModal modal(std::move(answer));
    test::click(&form, button);
    return modal.dialogName();
  }
};

void search(QDialog* picker, int field, const QString& text) {
  picker->findChild<QGroupBox*>("SearchField")->findChildren<QRadioButton*>().at(field)->setChecked(true);
  test::type(picker, "Search", text);
  test::click(picker, "FindBtn");
}

} // namespace

class TestOrderEntryButtons : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void clientSearchSelectsAndRefillsContacts() {
    Editor e;
    e.choose("ClientName", u8(Fixture::kOtherClient));
    e.choose("ClientFaceCombo", u8(Fixture::kOtherCustomer));
    // Found by a contact person's name.
    QCOMPARE(e.press("SearchClientBtn",
                     [](QDialog* picker) {
                       search(picker, 0, QStringLiteral("иван"));
                       test::click(picker, "SelectBtn");
                     }),
             QStringLiteral("TClientSearchForm"));
    QCOMPARE(e.selected("ClientName"), u8(Fixture::kClient));
    QCOMPARE(e.items("ClientFaceCombo"), QStringList{u8(Fixture::kCustomer)});
    QVERIFY(e.selected("ClientFaceCombo").isEmpty());

    // Closed without a choice: the contact persons are refilled all the same.
    e.choose("ClientFaceCombo", u8(Fixture::kCustomer));
    e.press("SearchClientBtn", [](QDialog* picker) { test::click(picker, "CancelBtn"); });
    QCOMPARE(e.selected("ClientName"), u8(Fixture::kClient));
    QVERIFY(e.selected("ClientFaceCombo").isEmpty());
  }

  void carrierSearchByVehicle() {
    Editor e;
    e.press("SearchWorkerBtn", [](QDialog* picker) {
      search(picker, 1, QStringLiteral("к777"));
      test::click(picker, "SelectBtn");
    });
    QCOMPARE(e.selected("WorkerName"), u8(Fixture::kCarrier));
    QVERIFY(e.items("AutoCombo").contains(u8(Fixture::kOtherVehicle)));
    QVERIFY(e.selected("AutoCombo").isEmpty());
    QVERIFY(e.items("DriverCombo").isEmpty());
  }

  void earlierValuesAreCopied() {
    Editor e;
    e.session.data().exec(QStringLiteral("INSERT INTO Заявки (Клиент_ID, Маршрут, Экспедиция, Дополнительно) "
                                         "VALUES (:c, 'Москва — Рига', 'CMR, TIR', 'Звонить заранее')"),
                          {{"c", e.fixture.clientId}});
    // Without a client the route and expedition pickers do not open.
    QVERIFY(e.press("SelectRouteBtn", [](QDialog*) {}).isEmpty());

    e.choose("ClientName", u8(Fixture::kClient));
    const auto takeFirst = [](QDialog* picker) {
      picker->findChild<QListWidget*>("Dates")->setCurrentRow(0);
      test::click(picker, "Button1");
    };
    QCOMPARE(e.press("SelectRouteBtn", takeFirst), QStringLiteral("TRepeatRouteForm"));
    QCOMPARE(test::child<QLineEdit>(&e.form, "Route")->text(), QStringLiteral("Москва — Рига"));
    QCOMPARE(e.press("ExpeditionSearchBtn", takeFirst), QStringLiteral("TRepeatExpeditionForm"));
    QCOMPARE(test::child<QPlainTextEdit>(&e.form, "EXPEDITION")->toPlainText(), QStringLiteral("CMR, TIR"));
    // Remarks of any client, found by a word.
    e.choose("ClientName", u8(Fixture::kOtherClient));
    QCOMPARE(e.press("CommentSearchBtn",
                     [](QDialog* picker) {
                       test::type(picker, "Search", QStringLiteral("звонить"));
                       test::click(picker, "FindBtn");
                       test::click(picker, "Button1");
                     }),
             QStringLiteral("TCommentRepeatForm"));
    QCOMPARE(test::child<QPlainTextEdit>(&e.form, "Comment")->toPlainText(), QStringLiteral("Звонить заранее"));
  }

  void addsAClientWithItsFirstContactPerson() {
    Editor e;
    e.choose("ClientName", u8(Fixture::kClient));
    // The client is stored with its first contact person; the editor is then cancelled.
    e.press("AddClientBtn", [](QDialog* client) {
      test::type(client, "ClientOrganization", QStringLiteral("ООО \"Новый клиент\""));
      test::onNextModal([](QDialog* person) {
        test::type(person, "CustomerName", QStringLiteral("Орлова Мария"));
        test::click(person, "OKBtn");
      });
      test::click(client, "AddBtn");
      test::click(client, "CancelBtn");
    });
    QCOMPARE(e.selected("ClientName"), QStringLiteral("ООО \"Новый клиент\""));
    QCOMPARE(e.items("ClientFaceCombo"), QStringList{QStringLiteral("Орлова Мария")});

    // Cancelled at once: the list is refilled and nothing is selected.
    e.press("AddClientBtn", [](QDialog* client) { test::click(client, "CancelBtn"); });
    QVERIFY(e.selected("ClientName").isEmpty());
  }

  void addsAContactPersonToTheChosenClient() {
    Editor e;
    QVERIFY(e.press("AddClientFaceBtn", [](QDialog*) {}).isEmpty()); // no client, no window
    e.choose("ClientName", u8(Fixture::kOtherClient));
    QCOMPARE(e.press("AddClientFaceBtn",
                     [](QDialog* person) {
                       QCOMPARE(person->windowTitle(), QStringLiteral("Новый заказчик"));
                       test::type(person, "CustomerName", QStringLiteral("Новиков Олег"));
                       test::click(person, "OKBtn");
                     }),
             QStringLiteral("TCustomerEditForm"));
    QCOMPARE(e.selected("ClientFaceCombo"), QStringLiteral("Новиков Олег"));
    QCOMPARE(e.session.data().count("Заказчики", "Клиент_ID=:c", {{"c", e.fixture.otherClientId}}), 2);
  }

  void addsCarrierVehicleAndDriver() {
    Editor e;
    e.press("AddWorkerBtn", [](QDialog* carrier) {
      QCOMPARE(carrier->windowTitle(), QStringLiteral("Создание Исполнителя"));
      test::type(carrier, "WorkerName", QStringLiteral("ООО «Быстрые колёса»"));
      test::click(carrier, "OKBtn");
    });
    QCOMPARE(e.selected("WorkerName"), QStringLiteral("ООО «Быстрые колёса»"));
    QVERIFY(e.items("AutoCombo").isEmpty());

    e.choose("WorkerName", u8(Fixture::kCarrier));
    e.choose("WorkerManagerCombo", u8(Fixture::kManager));
    QCOMPARE(e.press("AddAutoBtn",
                     [](QDialog* vehicle) {
                       QCOMPARE(vehicle->windowTitle(), QStringLiteral("Добавление автомобиля"));
                       test::type(vehicle, "AutoName", QStringLiteral("DAF XF"));
                       test::type(vehicle, "AutoNumber", QStringLiteral("В001ОО 78"));
                       selectComboText(test::child<QComboBox>(vehicle, "AutoType"), u8(Fixture::kVehicleType));
                       test::click(vehicle, "OKBtn");
                     }),
             QStringLiteral("TAutoEditForm"));
    // The carrier stays, the new vehicle is chosen, its (empty) drivers shown, the manager chosen again.
    QCOMPARE(e.selected("WorkerName"), u8(Fixture::kCarrier));
    QCOMPARE(e.selected("AutoCombo"), QStringLiteral("DAF XF • В001ОО 78"));
    QVERIFY(e.items("DriverCombo").isEmpty());
    QVERIFY(e.selected("WorkerManagerCombo").isEmpty());

    e.press("AddDriverBtn", [](QDialog* driver) {
      test::type(driver, "DriverName", QStringLiteral("Орлов Игорь"));
      test::click(driver, "OKBtn");
    });
    QCOMPARE(e.selected("DriverCombo"), QStringLiteral("Орлов Игорь"));
  }

  void directoryWindowsRefillTheirLists() {
    Editor e;
    test::ScriptedInputBox input;
    e.choose("ClientName", u8(Fixture::kClient));
    QCOMPARE(e.press("ClientManagerBtn", [](QDialog* window) { test::click(window, "CloseBtn"); }),
             QStringLiteral("TClientManagerForm"));
    QVERIFY(e.selected("ClientName").isEmpty());

    input.answers = {QStringLiteral("Выставка")};
    QCOMPARE(e.press("SourceManagerBtn",
                     [](QDialog* window) {
                       test::click(window, "NewBtn");
                       test::click(window, "CloseBtn");
                     }),
             QStringLiteral("TSourceManagerForm"));
    QVERIFY(e.items("OrderSourceCombo").contains(QStringLiteral("Выставка")));
    QVERIFY(e.selected("OrderSourceCombo").isEmpty());
  }
};

VH_TEST_MAIN(TestOrderEntryButtons)
#include "tst_orderentrybuttons.moc"
