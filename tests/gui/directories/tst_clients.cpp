#include "gui/directories/clienteditform.h"
#include "gui/directories/customereditform.h"
#include "gui/directories/directories.h"
#include "gui/directories/directorywindow.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vh;
using namespace vh::test;

namespace {

using Mode = EntryEditor::Mode;

// The contact person editor opened by the next click: fills it and presses OK.
void answerPerson(const QString& name, const QString& phone = QString()) {
  onNextModal([name, phone](QDialog* dialog) {
    type(dialog, "CustomerName", name);
    type(dialog, "CustomerPhone", phone);
    child(dialog, "OKBtn")->click();
  });
}

qint64 addClient(test::TestDatabase& data, const QString& name, const QString& person = QString()) {
  const qint64 id = data.exec(QStringLiteral("INSERT INTO Клиенты (Организация, Контакты) VALUES (:n, 'реквизиты')"),
                              {{QStringLiteral("n"), name}});
  if (!person.isEmpty()) {
    data.exec(QStringLiteral("INSERT INTO Заказчики (Клиент_ID, ФИО, Телефон) VALUES (:c, :n, '123')"),
              {{QStringLiteral("c"), id}, {QStringLiteral("n"), person}});
  }
  return id;
}

} // namespace

// The client editor with its contact persons, and the clients window.
class TestClients : public QObject {
  Q_OBJECT

private Q_SLOTS:
  // A new client is stored when its first contact person is added.
  void storesClientWithFirstContactPerson() {
    test::TestSession session;
    test::RecordingMessages messages;
    session.data().exec(QStringLiteral("INSERT INTO Группы (Наименование) VALUES ('Оптовики')"));
    const qint64 mark = session.data().count("Протокол");
    TClientEditForm editor(session.context());
    editor.prepare(Mode::Create, QStringLiteral("Создание Клиента"), QStringLiteral("Создать"));
    const QString name = QStringLiteral("ООО \"Ромашка\"");

    // OK before any contact person: refused even with every other field filled.
    type(&editor, "ClientOrganization", name);
    child<QComboBox>(&editor, "ClientGroup")->setCurrentIndex(0);
    child<QPlainTextEdit>(&editor, "ClientContacts")->setPlainText(QStringLiteral("ИНН 7701"));
    child(&editor, "OKBtn")->click();
    QCOMPARE(messages.texts(), QStringList{"Все поля должны быть заполнены."});
    QCOMPARE(messages.last().caption, QStringLiteral("Сообщение"));
    QCOMPARE(messages.last().icon, QMessageBox::Warning);

    // "Добавить..." needs the organisation first.
    type(&editor, "ClientOrganization", QString());
    child(&editor, "AddBtn")->click();
    QCOMPARE(messages.last().text, QStringLiteral("Поле «Клиент» должно быть заполнено."));
    QCOMPARE(session.data().count("Клиенты"), 0);

    type(&editor, "ClientOrganization", name);
    QString personCaption;
    onNextModal([&](QDialog* dialog) {
      personCaption = dialog->windowTitle() + u'|' + child(dialog, "OKBtn")->text();
      type(dialog, "CustomerName", QStringLiteral("Иванов Иван"));
      child(dialog, "OKBtn")->click();
    });
    child(&editor, "AddBtn")->click();
    QCOMPARE(personCaption, QStringLiteral("Новый заказчик|Создать"));
    QCOMPARE(session.data().count("Клиенты", "Организация=:n AND Группа_ID IS NULL", {{"n", name}}), 1);
    QCOMPARE(child<QListWidget>(&editor, "ClientNames")->count(), 1);
    // The captions stay those of creating.
    QCOMPARE(editor.windowTitle(), QStringLiteral("Создание Клиента"));
    QCOMPARE(child(&editor, "OKBtn")->text(), QStringLiteral("Создать"));

    // A second contact person does not store the client again.
    answerPerson(QStringLiteral("Петров Пётр"));
    child(&editor, "AddBtn")->click();
    QCOMPARE(session.data().count("Клиенты"), 1);

    child<QComboBox>(&editor, "ClientGroup")->setCurrentIndex(0);
    child(&editor, "OKBtn")->click();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(session.data().scalar("SELECT Контакты FROM Клиенты").toString(), QStringLiteral("ИНН 7701"));
    QCOMPARE(session.data().scalar("SELECT g.Наименование FROM Клиенты c JOIN Группы g ON g.ID=c.Группа_ID").toString(),
             QStringLiteral("Оптовики"));
    QCOMPARE(actionsSince(session.data(), mark),
             (QStringList{"Создание Клиента " + name, "Добавление заказчика Иванов Иван (" + name + ")",
                          "Добавление заказчика Петров Пётр (" + name + ")", "Редактирование Клиента " + name}));
    QCOMPARE(editor.storedName(), name);
  }

  // Cancelling after the first "Добавить..." keeps the client with its name only.
  void cancellingKeepsStoredClient() {
    test::TestSession session;
    test::RecordingMessages messages;
    const qint64 mark = session.data().count("Протокол");
    TClientEditForm editor(session.context());
    editor.prepare(Mode::Create, QStringLiteral("Создание Клиента"), QStringLiteral("Создать"));
    type(&editor, "ClientOrganization", QStringLiteral("O'Neil"));
    onNextModal([](QDialog* dialog) { dialog->reject(); });
    child(&editor, "AddBtn")->click();
    QCOMPARE(child<QListWidget>(&editor, "ClientNames")->count(), 0);

    // The list is still empty: OK keeps asking for it.
    child(&editor, "OKBtn")->click();
    QCOMPARE(messages.texts(), QStringList{"Все поля должны быть заполнены."});
    editor.reject();

    QCOMPARE(session.data().count("Клиенты", "Организация='O''Neil' AND Контакты='' AND Группа_ID IS NULL"), 1);
    QCOMPARE(actionsSince(session.data(), mark), QStringList{"Создание Клиента O'Neil"});
    QCOMPARE(editor.storedName(), QStringLiteral("O'Neil"));
  }

  void duplicateOrganization_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    struct Case {
      const char* row;
      QString existing, typed;
      bool refused;
    };
    const Case cases[] = {
        {"same name", "ООО \"Ромашка\"", "ООО \"Ромашка\"", true},
        {"other letter case", "ООО «Ёлка»", "ооо «ёЛКА»", true},
        {"apostrophe", "O'Neil", "o'neil", true},
        {"longer name", "O'Neil", "O'Neil Trade", false},
    };
    for (const Case& c : cases)
      QTest::newRow(c.row) << c.existing << c.typed << c.refused;
  }

  void duplicateOrganization() {
    QFETCH(QString, existing);
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    test::TestSession session;
    test::RecordingMessages messages;
    addClient(session.data(), existing);
    TClientEditForm editor(session.context());
    editor.prepare(Mode::Create, QStringLiteral("Создание Клиента"), QStringLiteral("Создать"));
    type(&editor, "ClientOrganization", typed);
    if (refused)
      child(&editor, "AddBtn")->click();
    else {
      answerPerson(QStringLiteral("Сидоров"));
      child(&editor, "AddBtn")->click();
    }
    QCOMPARE(session.data().count("Клиенты"), refused ? 1 : 2);
    QCOMPARE(messages.texts(), refused ? QStringList{"Данная организация уже числится в клиентах."} : QStringList{});
    if (refused)
      QCOMPARE(messages.last().icon, QMessageBox::Information);
  }

  // Names of contact persons are unique within one client, letter case ignored.
  void contactPersonUniqueWithinClient() {
    test::TestSession session;
    test::RecordingMessages messages;
    const qint64 first = addClient(session.data(), QStringLiteral("Альфа"), QStringLiteral("Петров Пётр"));
    const qint64 second = addClient(session.data(), QStringLiteral("Бета"));

    const auto addPerson = [&](qint64 client, const QString& name) {
      TCustomerEditForm editor(session.context(), client, QStringLiteral("Альфа"));
      editor.prepare(Mode::Create, QStringLiteral("Новый заказчик"), QStringLiteral("Создать"));
      type(&editor, "CustomerName", name);
      child(&editor, "OKBtn")->click();
      return editor.result() == QDialog::Accepted;
    };
    QVERIFY(!addPerson(first, QStringLiteral("ПЕТРОВ пётр")));
    QCOMPARE(messages.last().text, QStringLiteral("Заказчик с данным ФИО уже существует!"));
    QCOMPARE(messages.last().icon, QMessageBox::Warning);
    QVERIFY(addPerson(second, QStringLiteral("Петров Пётр")));
    QVERIFY(!addPerson(first, QString()));
    QCOMPARE(messages.last().text, QStringLiteral("Поле ФИО должно быть заполнено."));
    QCOMPARE(session.data().count("Заказчики"), 2);

    // Saving a contact person under its unchanged name is allowed.
    TCustomerEditForm editor(session.context(), first, QStringLiteral("Альфа"));
    editor.prepare(Mode::Edit, QStringLiteral("Редактирование заказчика"), QStringLiteral("Сохранить"));
    QVERIFY(
        editor.load(session.data().scalar("SELECT ID FROM Заказчики WHERE Клиент_ID=:c", {{"c", first}}).toLongLong()));
    QCOMPARE(child<QLineEdit>(&editor, "CustomerPhone")->text(), QStringLiteral("123"));
    type(&editor, "CustomerPhone", QStringLiteral("+7 900"));
    child(&editor, "OKBtn")->click();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(session.data().scalar("SELECT Телефон FROM Заказчики WHERE Клиент_ID=:c", {{"c", first}}).toString(),
             QStringLiteral("+7 900"));
  }

  void editsAndDeletesContactPersons() {
    test::TestSession session;
    test::RecordingMessages messages;
    addClient(session.data(), QStringLiteral("Альфа"), QStringLiteral("Петров Пётр"));
    const qint64 mark = session.data().count("Протокол");
    TClientEditForm editor(session.context());
    editor.prepare(Mode::Edit, QStringLiteral("Редактирование Клиента"), QStringLiteral("Сохранить"));
    QVERIFY(editor.load(QStringLiteral("Альфа")));
    auto* names = child<QListWidget>(&editor, "ClientNames");
    QCOMPARE(names->count(), 1);

    // Nothing selected: nothing happens.
    child(&editor, "EditBtn")->click();
    child(&editor, "DelBtn")->click();
    QVERIFY(messages.shown.isEmpty());

    names->setCurrentRow(0);
    QString shownName;
    onNextModal([&](QDialog* dialog) {
      shownName = child<QLineEdit>(dialog, "CustomerName")->text();
      type(dialog, "CustomerName", QStringLiteral("Петров Павел"));
      child(dialog, "OKBtn")->click();
    });
    child(&editor, "EditBtn")->click();
    QCOMPARE(shownName, QStringLiteral("Петров Пётр"));
    QCOMPARE(names->currentItem()->text(), QStringLiteral("Петров Павел"));

    messages.answers = {QMessageBox::No, QMessageBox::Yes};
    child(&editor, "DelBtn")->click();
    QCOMPARE(messages.last().text, QStringLiteral("Внимание! Удаление заказчика отразится на существующих заказах от "
                                                  "данного клиента!\nВы действительно хотите удалить заказчика?"));
    QCOMPARE(messages.last().caption, QStringLiteral("Подтверждение удаления"));
    QCOMPARE(session.data().count("Заказчики"), 1);
    names->setCurrentRow(0);
    child(&editor, "DelBtn")->click();
    QCOMPARE(session.data().count("Заказчики"), 0);
    QCOMPARE(names->count(), 0);
    QCOMPARE(actionsSince(session.data(), mark),
             (QStringList{"Редактирование заказчика Петров Павел (Альфа)", "Удаление заказчика Петров Павел (Альфа)"}));
  }

  // After "Правка" the groups are read again and none is chosen.
  void groupsEditedFromEditor() {
    test::TestSession session;
    test::ScriptedInputBox input;
    session.data().exec(QStringLiteral("INSERT INTO Группы (Наименование) VALUES ('Оптовики')"));
    TClientEditForm editor(session.context());
    editor.prepare(Mode::Create, QStringLiteral("Создание Клиента"), QStringLiteral("Создать"));
    auto* groups = child<QComboBox>(&editor, "ClientGroup");
    groups->setCurrentIndex(0);
    onNextModal([&](QDialog* window) {
      QCOMPARE(window->objectName(), QStringLiteral("TGroupManagerForm"));
      input.answers = {QStringLiteral("Розница")};
      child(window, "NewBtn")->click();
      window->reject();
    });
    child(&editor, "GroupManagerBtn")->click();
    QCOMPARE(groups->count(), 2);
    QCOMPARE(groups->currentIndex(), -1);
  }

  void rightsHideButtons() {
    test::TestSession session(
        false, {{QStringLiteral("GroupManager"), true, false}, {QStringLiteral("ClientManagerDelete"), true, false}});
    TClientEditForm editor(session.context());
    QVERIFY(child(&editor, "GroupManagerBtn")->isHidden());
    DirectoryWindow window(session.context(), clientsDirectory());
    QVERIFY(child(&window, "DeleteBtn")->isHidden());
  }

  void clientsWindow() {
    test::TestSession session;
    test::RecordingMessages messages;
    session.data().exec(QStringLiteral("INSERT INTO Группы (Наименование) VALUES ('Оптовики')"));
    const qint64 alpha = addClient(session.data(), QStringLiteral("альфа"), QStringLiteral("Петров"));
    session.data().exec(QStringLiteral("UPDATE Клиенты SET Группа_ID=(SELECT ID FROM Группы)"));
    addClient(session.data(), QStringLiteral("Бета"), QStringLiteral("Сидоров"));
    DirectoryWindow window(session.context(), clientsDirectory());
    QCOMPARE(window.objectName(), QStringLiteral("TClientManagerForm"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Менеджер Клиентов"));
    QCOMPARE(window.names(), (QStringList{"альфа", "Бета"}));
    QCOMPARE(window.countText(), QStringLiteral("Всего Клиентов: 2"));

    // Renaming a client to another client's name is refused; a new name is stored and selected.
    auto* list = child<QListWidget>(&window, "ClientListBox");
    list->setCurrentRow(0);
    QString loaded;
    onNextModal([&](QDialog* dialog) {
      loaded = dialog->windowTitle() + u'|' + child<QComboBox>(dialog, "ClientGroup")->currentText();
      type(dialog, "ClientOrganization", QStringLiteral("БЕТА"));
      child(dialog, "OKBtn")->click();
      QVERIFY(dialog->isVisible());
      type(dialog, "ClientOrganization", QStringLiteral("Альфа-Плюс"));
      child(dialog, "OKBtn")->click();
    });
    child(&window, "EditBtn")->click();
    QCOMPARE(loaded, QStringLiteral("Редактирование Клиента|Оптовики"));
    QCOMPARE(messages.texts(), QStringList{"Данная организация уже числится в клиентах."});
    QCOMPARE(window.selectedName(), QStringLiteral("Альфа-Плюс"));
    QCOMPARE(session.data().scalar("SELECT Организация FROM Клиенты WHERE ID=:id", {{"id", alpha}}).toString(),
             QStringLiteral("Альфа-Плюс"));

    // Deleting keeps the contact persons.
    messages.answers = {QMessageBox::Yes};
    child(&window, "DeleteBtn")->click();
    QCOMPARE(messages.last().text, QStringLiteral("Вы действительно хотите удалить Клиента?"));
    QCOMPARE(window.countText(), QStringLiteral("Всего Клиентов: 1"));
    QCOMPARE(session.data().count("Заказчики"), 2);
    QCOMPARE(session.data().scalar("SELECT Действие FROM Протокол ORDER BY ID DESC LIMIT 1").toString(),
             QStringLiteral("Удаление Клиента Альфа-Плюс"));
  }
};

VH_TEST_MAIN(TestClients)
#include "tst_clients.moc"
