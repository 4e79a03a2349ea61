#include "gui/directories/autoeditform.h"
#include "gui/directories/directories.h"
#include "gui/directories/directorywindow.h"
#include "gui/directories/drivereditform.h"
#include "gui/directories/managereditform.h"
#include "gui/directories/workereditform.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace vh;
using namespace vh::test;

namespace {

using Mode = EntryEditor::Mode;

void fillVehicle(QWidget* editor, const QString& make, const QString& number, const QString& vehicleType) {
  type(editor, "AutoName", make);
  type(editor, "AutoNumber", number);
  auto* types = child<QComboBox>(editor, "AutoType");
  types->setCurrentIndex(types->findText(vehicleType));
}

// The person editor (driver or manager) opened by the next click: fills it and presses OK.
void answerPerson(const char* field, const QString& name) {
  onNextModal([field, name](QDialog* dialog) {
    type(dialog, field, name);
    child(dialog, "OKBtn")->click();
  });
}

struct Fleet {
  qint64 carrier = 0;
  qint64 vehicle = 0;
};

// A carrier with one vehicle of the type "Тент 20 т", one driver and one manager.
Fleet addCarrier(test::TestDatabase& data, const QString& name, const QString& make, const QString& number) {
  Fleet fleet;
  fleet.carrier = data.exec(QStringLiteral("INSERT INTO Исполнители (Исполнитель, Телефон) VALUES (:n, '111')"),
                            {{QStringLiteral("n"), name}});
  fleet.vehicle =
      data.exec(QStringLiteral("INSERT INTO Авто (Исполнитель_ID, Марка, Номер, ТипТС_ID, Описание) "
                               "VALUES (:c, :m, :n, (SELECT ID FROM ТС WHERE Наименование='Тент 20 т'), 'тент')"),
                {{QStringLiteral("c"), fleet.carrier}, {QStringLiteral("m"), make}, {QStringLiteral("n"), number}});
  data.exec(QStringLiteral("INSERT INTO Водители (Авто_ID, Водитель) VALUES (:a, 'Иванов Иван')"),
            {{QStringLiteral("a"), fleet.vehicle}});
  data.exec(QStringLiteral("INSERT INTO Менеджеры (Исполнитель_ID, Менеджер) VALUES (:c, 'Смирнова Анна')"),
            {{QStringLiteral("c"), fleet.carrier}});
  return fleet;
}

} // namespace

// Carriers, their vehicles, the vehicles' drivers and the carriers' managers.
class TestCarriers : public QObject {
  Q_OBJECT

private Q_SLOTS:
  // Three levels created from the top: each editor stores its own entry
  // before the first entry below it, and OK then writes no second creation.
  void createsThreeLevelsFromTheTop() {
    test::TestSession session;
    test::RecordingMessages messages;
    const qint64 mark = session.data().count("Протокол");
    const QString carrier = QStringLiteral("ООО \"Вега\"");
    TWorkerEditForm editor(session.context());
    editor.prepare(Mode::Create, QStringLiteral("Создание транспортной компании"), QStringLiteral("Создать"));

    child(&editor, "AddAutoBtn")->click();
    child(&editor, "AddManagerBtn")->click();
    QCOMPARE(messages.texts(),
             (QStringList{"Не указано наименование транспортной компании.", "Не указан Исполнитель."}));
    QCOMPARE(session.data().count("Исполнители"), 0);

    type(&editor, "WorkerName", carrier);
    type(&editor, "Phone", QStringLiteral("+7 495 000"));
    QString captions;
    bool vehicleStoredWithDriver = false;
    bool createdWhileAdding = false;
    onNextModal([&](QDialog* dialog) {
      auto* vehicle = static_cast<TAutoEditForm*>(dialog);
      captions = dialog->windowTitle() + u'|' + child(dialog, "OKBtn")->text();
      // Adding a driver needs the required fields first.
      child(dialog, "AddBtn")->click();
      fillVehicle(dialog, QStringLiteral("Volvo FH"), QStringLiteral("А123ВС 77"), QStringLiteral("Рефрижератор"));
      onNextModal([&](QDialog* driver) {
        captions += u'|' + driver->windowTitle() + u'|' + child(driver, "OKBtn")->text();
        type(driver, "DriverName", QStringLiteral("Кузнецов Олег"));
        child(driver, "OKBtn")->click();
      });
      child(dialog, "AddBtn")->click();
      createdWhileAdding = vehicle->createdWhileAdding();
      vehicleStoredWithDriver = child<QListWidget>(dialog, "AutoDrivers")->count() == 1;
      child(dialog, "OKBtn")->click();
    });
    child(&editor, "AddAutoBtn")->click();
    QCOMPARE(captions, QStringLiteral("Добавление транспорта|Добавить|Добавление водителя|Добавить"));
    QVERIFY(vehicleStoredWithDriver);
    QVERIFY(createdWhileAdding);
    QVERIFY(editor.createdWhileAdding());
    QCOMPARE(messages.texts().last(), QStringLiteral("Все обязательные поля должны быть заполнены."));
    auto* vehicles = child<QListWidget>(&editor, "AutoList");
    QCOMPARE(vehicles->count(), 1);
    QCOMPARE(vehicles->currentItem()->text(), QStringLiteral("Volvo FH \u2022 А123ВС 77"));
    // Phone, fax and e-mail wait for OK.
    QCOMPARE(session.data().scalar("SELECT Телефон FROM Исполнители").toString(), QString());

    child(&editor, "OKBtn")->click();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(session.data().scalar("SELECT Телефон FROM Исполнители").toString(), QStringLiteral("+7 495 000"));
    QCOMPARE(session.data().count("Авто", "ТипТС_ID=(SELECT ID FROM ТС WHERE Наименование='Рефрижератор')"), 1);
    QCOMPARE(actionsSince(session.data(), mark),
             (QStringList{"Создание транспортной компании " + carrier,
                          "Создание транспорта Volvo FH исполнителю " + carrier, "Добавление водителя Кузнецов Олег"}));
  }

  // Which was added first names the carrier's creation; cancelling keeps the carrier with its name only.
  void managerFirstThenCancel() {
    test::TestSession session;
    test::RecordingMessages messages;
    const qint64 mark = session.data().count("Протокол");
    TWorkerEditForm editor(session.context());
    editor.prepare(Mode::Create, QStringLiteral("Создание Исполнителя"), QStringLiteral("Создать"));
    type(&editor, "WorkerName", QStringLiteral("O'Brien Cargo"));
    type(&editor, "EMAIL", QStringLiteral("cargo@example.com"));
    answerPerson("ManagerName", QStringLiteral("Орлов Олег"));
    child(&editor, "AddManagerBtn")->click();
    QCOMPARE(child<QListWidget>(&editor, "ManagerList")->count(), 1);
    editor.reject();
    QCOMPARE(session.data().count("Исполнители", "Исполнитель='O''Brien Cargo' AND EMAIL=''"), 1);
    QCOMPARE(
        actionsSince(session.data(), mark),
        (QStringList{"Создание Исполнителя O'Brien Cargo", "Создание менеджера Орлов Олег исполнителю O'Brien Cargo"}));
    QCOMPARE(editor.storedName(), QStringLiteral("O'Brien Cargo"));
  }

  void carrierNameTaken_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    const QString carrierTaken = QStringLiteral("Транспортная компания с данным наименованием уже существует.");
    QTest::newRow("OK") << QStringLiteral("OKBtn") << carrierTaken;
    QTest::newRow("vehicle first") << QStringLiteral("AddAutoBtn") << carrierTaken;
    QTest::newRow("manager first") << QStringLiteral("AddManagerBtn")
                                   << QStringLiteral("Исполнитель с данным наименованием уже существует.");
  }

  void carrierNameTaken() {
    QFETCH(QString, button);
    QFETCH(QString, message);
    test::TestSession session;
    test::RecordingMessages messages;
    addCarrier(session.data(), QStringLiteral("Трансавто"), QStringLiteral("MAN"), QStringLiteral("1"));
    TWorkerEditForm editor(session.context());
    editor.prepare(Mode::Create, QStringLiteral("Создание транспортной компании"), QStringLiteral("Создать"));
    type(&editor, "WorkerName", QStringLiteral("ТРАНСАВТО"));
    child(&editor, button.toLatin1().constData())->click();
    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(messages.last().icon, QMessageBox::Information);
    QCOMPARE(session.data().count("Исполнители"), 1);
  }

  // A make and number name one vehicle across all carriers.
  void vehicleUniqueAcrossCarriers() {
    test::TestSession session;
    test::RecordingMessages messages;
    const Fleet first =
        addCarrier(session.data(), QStringLiteral("Альфа"), QStringLiteral("MAN TGX"), QStringLiteral("А001АА"));
    const Fleet second =
        addCarrier(session.data(), QStringLiteral("Бета"), QStringLiteral("Volvo"), QStringLiteral("В002ВВ"));
    const auto create = [&](const QString& make, const QString& number) {
      TAutoEditForm editor(session.context(), second.carrier, QStringLiteral("Бета"));
      editor.prepare(Mode::Create, QStringLiteral("Добавление автомобиля"), QStringLiteral("Добавить"));
      fillVehicle(&editor, make, number, QStringLiteral("Трал"));
      child(&editor, "OKBtn")->click();
      return editor.result() == QDialog::Accepted;
    };
    QVERIFY(!create(QStringLiteral("man tgx"), QStringLiteral("а001аа")));
    QCOMPARE(messages.texts(), QStringList{"Автомобиль данной марки уже существует у исполнителя."});
    QVERIFY(create(QStringLiteral("MAN TGX"), QStringLiteral("А003АА")));
    QCOMPARE(session.data().count("Авто", "Исполнитель_ID=:c", {{"c", second.carrier}}), 2);

    // Changing a vehicle to another one's registration is refused too; keeping its own is not.
    TAutoEditForm editor(session.context(), first.carrier, QStringLiteral("Альфа"));
    editor.prepare(Mode::Edit, QStringLiteral("Редактирование транспорта"), QStringLiteral("Сохранить"));
    QVERIFY(editor.load(first.vehicle));
    type(&editor, "AutoNumber", QStringLiteral("в002вв"));
    type(&editor, "AutoName", QStringLiteral("volvo"));
    child(&editor, "OKBtn")->click();
    QVERIFY(editor.result() != QDialog::Accepted);
    QCOMPARE(messages.shown.size(), 2);
    type(&editor, "AutoName", QStringLiteral("MAN TGX"));
    type(&editor, "AutoNumber", QStringLiteral("А001АА"));
    child(&editor, "OKBtn")->click();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
  }

  void driverUniqueWithinVehicle() {
    test::TestSession session;
    test::RecordingMessages messages;
    const Fleet first = addCarrier(session.data(), QStringLiteral("Альфа"), QStringLiteral("MAN"), QStringLiteral("1"));
    const Fleet second = addCarrier(session.data(), QStringLiteral("Бета"), QStringLiteral("DAF"), QStringLiteral("2"));
    const auto add = [&](qint64 vehicle, const QString& name) {
      TDriverEditForm editor(session.context(), vehicle);
      editor.prepare(Mode::Create, QStringLiteral("Добавление водителя"), QStringLiteral("Добавить"));
      type(&editor, "DriverName", name);
      child(&editor, "OKBtn")->click();
      return editor.result() == QDialog::Accepted;
    };
    QVERIFY(!add(first.vehicle, QStringLiteral("ИВАНОВ иван")));
    QCOMPARE(messages.texts(), QStringList{"Водитель с данным ФИО уже существует!"});
    QCOMPARE(messages.last().icon, QMessageBox::Warning);
    QVERIFY(add(second.vehicle, QStringLiteral("Петров Пётр")));
    QVERIFY(add(first.vehicle, QStringLiteral("Петров Пётр")));
    QCOMPARE(session.data().count("Водители", "Водитель='Петров Пётр'"), 2);
  }

  // A new manager's name must be free across all carriers.
  void managerNameFreeAcrossCarriers() {
    test::TestSession session;
    test::RecordingMessages messages;
    addCarrier(session.data(), QStringLiteral("Альфа"), QStringLiteral("MAN"), QStringLiteral("1"));
    const Fleet second = addCarrier(session.data(), QStringLiteral("Бета"), QStringLiteral("DAF"), QStringLiteral("2"));
    TManagerEditForm editor(session.context(), second.carrier, QStringLiteral("Бета"));
    editor.prepare(Mode::Create, QStringLiteral("Добавление менеджера"), QStringLiteral("Добавить"));
    child(&editor, "OKBtn")->click();
    type(&editor, "ManagerName", QStringLiteral("смирнова анна"));
    child(&editor, "OKBtn")->click();
    QCOMPARE(messages.texts(), (QStringList{"Не задано имя менеджера.", "Менеджер с данным именем уже существует."}));
    QCOMPARE(messages.last().icon, QMessageBox::Information);
    type(&editor, "ManagerName", QStringLiteral("Смирнова Анна Петровна"));
    child(&editor, "OKBtn")->click();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
  }

  // Editing and deleting vehicles, drivers and managers inside the carrier editor.
  void editsAndDeletesLowerEntries() {
    test::TestSession session;
    test::RecordingMessages messages;
    const Fleet fleet =
        addCarrier(session.data(), QStringLiteral("Альфа"), QStringLiteral("Scania"), QStringLiteral("Х100"));
    session.data().exec(QStringLiteral("INSERT INTO Авто (Исполнитель_ID, Марка, Номер) VALUES (:c, 'DAF', 'Х200')"),
                        {{"c", fleet.carrier}});
    const qint64 mark = session.data().count("Протокол");
    TWorkerEditForm editor(session.context());
    editor.prepare(Mode::Edit, QStringLiteral("Редактирование транспортной компании"), QStringLiteral("Сохранить"));
    QVERIFY(editor.load(QStringLiteral("Альфа")));
    QCOMPARE(child<QLineEdit>(&editor, "Phone")->text(), QStringLiteral("111"));
    auto* vehicles = child<QListWidget>(&editor, "AutoList");
    QCOMPARE(vehicles->count(), 2);
    QCOMPARE(vehicles->item(0)->text(), QStringLiteral("DAF \u2022 Х200"));

    // The vehicle whose type is unknown opens with none chosen and asks for it.
    vehicles->setCurrentRow(0);
    QString typeShown = QStringLiteral("?");
    onNextModal([&](QDialog* dialog) {
      typeShown = child<QComboBox>(dialog, "AutoType")->currentText();
      child(dialog, "OKBtn")->click();
    });
    child(&editor, "EditAutoBtn")->click();
    QCOMPARE(typeShown, QString());
    QCOMPARE(messages.texts(), QStringList{"Все обязательные поля должны быть заполнены."});

    vehicles->setCurrentRow(1);
    onNextModal([&](QDialog* dialog) {
      auto* drivers = child<QListWidget>(dialog, "AutoDrivers");
      drivers->setCurrentRow(0);
      onNextModal([](QDialog* driver) {
        type(driver, "DriverPhone", QStringLiteral("+7 911"));
        child(driver, "OKBtn")->click();
      });
      child(dialog, "EditBtn")->click();
      messages.answers = {QMessageBox::Yes};
      drivers->setCurrentRow(0);
      child(dialog, "DelBtn")->click();
      type(dialog, "AutoNumber", QStringLiteral("Х101"));
      child(dialog, "OKBtn")->click();
    });
    child(&editor, "EditAutoBtn")->click();
    QCOMPARE(messages.shown.at(1).text, QStringLiteral("Внимание! Удаление водителя отразится на существующих заказах "
                                                       "с его участием!\nВы действительно хотите удалить водителя?"));
    QCOMPARE(vehicles->currentItem()->text(), QStringLiteral("Scania \u2022 Х101"));

    // Deleting a vehicle leaves its drivers.
    session.data().exec(QStringLiteral("INSERT INTO Водители (Авто_ID, Водитель) VALUES (:a, 'Лосев')"),
                        {{"a", fleet.vehicle}});
    messages.answers = {QMessageBox::No, QMessageBox::Yes};
    child(&editor, "DeleteAutoBtn")->click();
    QCOMPARE(messages.last().text, QStringLiteral("Вы действительно хотите удалить транспорт?"));
    QCOMPARE(vehicles->count(), 2);
    vehicles->setCurrentRow(1);
    child(&editor, "DeleteAutoBtn")->click();
    QCOMPARE(vehicles->count(), 1);
    QCOMPARE(session.data().count("Водители", "Авто_ID=:a", {{"a", fleet.vehicle}}), 1);

    // Managers: edit, then delete after confirmation.
    auto* managers = child<QListWidget>(&editor, "ManagerList");
    managers->setCurrentRow(0);
    onNextModal([](QDialog* dialog) {
      type(dialog, "ManagerName", QStringLiteral("Смирнова Анна Игоревна"));
      child(dialog, "OKBtn")->click();
    });
    child(&editor, "EditManagerBtn")->click();
    messages.answers = {QMessageBox::Yes};
    child(&editor, "DeleteManagerBtn")->click();
    QCOMPARE(managers->count(), 0);
    QCOMPARE(session.data().count("Менеджеры"), 0);

    child(&editor, "OKBtn")->click();
    QCOMPARE(actionsSince(session.data(), mark),
             (QStringList{"Редактирование водителя Иванов Иван", "Удаление водителя Иванов Иван (Scania)",
                          "Редактирование транспорта Scania исполнителя Альфа",
                          "Удаление транспорта Scania \u2022 Х101 у исполнителя Альфа",
                          "Редактирование менеджера Смирнова Анна Игоревна исполнителя Альфа",
                          "Удаление менеджера Смирнова Анна Игоревна у исполнителя Альфа",
                          "Редактирование транспортной компании Альфа"}));
  }

  void carriersWindow() {
    test::TestSession session(false, {{QStringLiteral("WorkerManagerDelete"), true, false}});
    test::RecordingMessages messages;
    addCarrier(session.data(), QStringLiteral("Бета"), QStringLiteral("MAN"), QStringLiteral("1"));
    addCarrier(session.data(), QStringLiteral("альфа"), QStringLiteral("DAF"), QStringLiteral("2"));
    DirectoryWindow window(session.context(), carriersDirectory());
    QCOMPARE(window.objectName(), QStringLiteral("TWorkerManagerForm"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Транспортные компании"));
    QCOMPARE(window.names(), (QStringList{"альфа", "Бета"}));
    QCOMPARE(window.countText(), QStringLiteral("Всего транспортных компаний: 2"));
    QVERIFY(child(&window, "DeleteBtn")->isHidden());

    onNextModal([](QDialog* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Создание транспортной компании"));
      type(dialog, "WorkerName", QStringLiteral("Гамма"));
      child(dialog, "OKBtn")->click();
    });
    child(&window, "NewBtn")->click();
    QCOMPARE(window.selectedName(), QStringLiteral("Гамма"));
    QCOMPARE(window.countText(), QStringLiteral("Всего транспортных компаний: 3"));
    QCOMPARE(session.data().scalar("SELECT Действие FROM Протокол ORDER BY ID DESC LIMIT 1").toString(),
             QStringLiteral("Создание транспортной компании Гамма"));
  }

  void deletingCarrierKeepsVehicles() {
    test::TestSession session;
    test::RecordingMessages messages;
    addCarrier(session.data(), QStringLiteral("Альфа"), QStringLiteral("MAN"), QStringLiteral("1"));
    DirectoryWindow window(session.context(), carriersDirectory());
    window.selectName(QStringLiteral("Альфа"));
    child(&window, "DeleteBtn")->click();
    QCOMPARE(messages.last().text, QStringLiteral("Вы действительно хотите удалить Исполнителя?"));
    QCOMPARE(messages.last().caption, QStringLiteral("Подтверждение удаления"));
    QCOMPARE(session.data().count("Исполнители"), 0);
    QCOMPARE(session.data().count("Авто"), 1);
    QCOMPARE(session.data().count("Менеджеры"), 1);
    QCOMPARE(session.data().scalar("SELECT Действие FROM Протокол ORDER BY ID DESC LIMIT 1").toString(),
             QStringLiteral("Удаление Исполнителя Альфа"));
  }
};

VH_TEST_MAIN(TestCarriers)
#include "tst_carriers.moc"
