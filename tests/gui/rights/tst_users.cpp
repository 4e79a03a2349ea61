#include "core/rights/loginservice.h"
#include "core/rights/passwordhash.h"
#include "gui/directories/directories.h"
#include "gui/directories/directorywindow.h"
#include "gui/rights/usereditform.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace vh;
using namespace vh::test;

namespace {

using Mode = EntryEditor::Mode;

struct UserInput {
  QString fullName;
  QString login;
  QString password;
  QString status;
};

void fill(QWidget* editor, const UserInput& user) {
  type(editor, "UsernameEdit", user.fullName);
  type(editor, "LoginEdit", user.login);
  type(editor, "ParoleEdit", user.password);
  auto* statuses = child<QComboBox>(editor, "Status");
  statuses->setCurrentIndex(statuses->findText(user.status));
}

// Runs a new-user editor on the input; true when it stored the user.
bool createUser(AppContext& context, const UserInput& user) {
  TUserEditForm editor(context);
  editor.prepare(Mode::Create, QStringLiteral("Создание пользователя"), QStringLiteral("Создать"));
  fill(&editor, user);
  child(&editor, "OKBtn")->click();
  return editor.result() == QDialog::Accepted;
}

QString storedHash(test::TestDatabase& data, const QString& login) {
  return data.scalar(QStringLiteral("SELECT Пароль FROM Пользователи WHERE Логин=:l"), {{"l", login}}).toString();
}

const UserInput kPetrova{QStringLiteral("Петрова Анна"), QStringLiteral("petrova"), QStringLiteral("тайна 1"),
                         QStringLiteral("Администратор")};

} // namespace

// The users window and the user editor.
class TestUsers : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void createsUser() {
    test::TestSession session;
    test::RecordingMessages messages;
    QVERIFY(createUser(session.context(), kPetrova));
    QVERIFY(messages.shown.isEmpty());
    const QString hash = storedHash(session.data(), QStringLiteral("petrova"));
    QVERIFY(hash != kPetrova.password);
    QVERIFY(verifyPassword(hash, kPetrova.password));
    QCOMPARE(lastAction(session.data()), QStringLiteral("Создание пользователя Петрова Анна"));
    // A new user can log in at once, with the login in any letter case.
    const auto login = LoginService(session.db()).login(QStringLiteral("PETROVA"), kPetrova.password);
    VH_VERIFY_OK(login);
    QVERIFY(login->has_value());
  }

  void colorText_data() {
    QTest::addColumn<QColor>("chosen");
    QTest::addColumn<QString>("stored");
    QTest::newRow("white") << QColor(255, 255, 255) << "";
    QTest::newRow("red") << QColor(255, 0, 0) << "clRed";
    QTest::newRow("orange") << QColor(255, 128, 0) << "$000080FF";
    QTest::newRow("sky blue") << QColor(166, 202, 240) << "clSkyBlue";
  }

  // The swatch's colour is stored as its colour text and read back into the swatch.
  void colorText() {
    QFETCH(QColor, chosen);
    QFETCH(QString, stored);
    test::TestSession session;
    test::ScriptedColorPicker picker;
    {
      TUserEditForm editor(session.context());
      editor.prepare(Mode::Create, QStringLiteral("Создание пользователя"), QStringLiteral("Создать"));
      fill(&editor, kPetrova);
      picker.answers = {QColor(Qt::blue), std::nullopt, chosen};
      for (int i = 0; i < 3; ++i)
        child(&editor, "OrderColor")->click();
      // A cancelled dialog keeps the colour; each opening starts from the current one.
      QCOMPARE(picker.offered, (QList<QColor>{Qt::white, Qt::blue, Qt::blue}));
      child(&editor, "OKBtn")->click();
      QCOMPARE(editor.result(), int(QDialog::Accepted));
    }
    QCOMPARE(session.data().scalar("SELECT Цвет FROM Пользователи WHERE Логин='petrova'").toString(), stored);
    TUserEditForm editor(session.context());
    editor.prepare(Mode::Edit, QStringLiteral("Редактирование пользователя"), QStringLiteral("Сохранить"));
    QVERIFY(editor.load(kPetrova.fullName));
    QCOMPARE(editor.orderColor(), (OrderColor{chosen.red(), chosen.green(), chosen.blue()}));
  }

  void refusesIncompleteOrTaken_data() {
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("message");
    const QString missing = QStringLiteral("Все поля должны быть заполнены.");
    const QString admin = QStringLiteral("Администратор");
    struct Case {
      const char* row;
      QString fullName, login, password, status, message;
    };
    const Case cases[] = {
        {"no name", {}, "x", "p", admin, missing},
        {"no login", "Иванов", {}, "p", admin, missing},
        {"no password", "Иванов", "x", {}, admin, missing},
        {"no status", "Иванов", "x", "p", {}, missing},
        {"name in other letters", "ПЕТРОВА анна", "x", "p", admin, "Пользователь с данным именем уже существует."},
        {"login in other letters", "O'Hara", "PetrovA", "p", admin, "Пользователь с данным логином уже существует."},
    };
    for (const Case& c : cases)
      QTest::newRow(c.row) << c.fullName << c.login << c.password << c.status << c.message;
  }

  void refusesIncompleteOrTaken() {
    QFETCH(QString, fullName);
    QFETCH(QString, login);
    QFETCH(QString, password);
    QFETCH(QString, status);
    QFETCH(QString, message);
    test::TestSession session;
    test::RecordingMessages messages;
    QVERIFY(createUser(session.context(), kPetrova));
    QVERIFY(!createUser(session.context(), {fullName, login, password, status}));
    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(messages.last().caption, QStringLiteral("Сообщение"));
    QCOMPARE(messages.last().icon, message.startsWith(u'В') ? QMessageBox::Warning : QMessageBox::Information);
    QCOMPARE(session.data().count("Пользователи"), 2);
  }

  // The stored password is never shown; an empty box keeps it, a typed one replaces it.
  void editKeepsOrReplacesPassword() {
    test::TestSession session;
    test::RecordingMessages messages;
    QVERIFY(createUser(session.context(), kPetrova));
    const QString before = storedHash(session.data(), kPetrova.login);
    const auto edit = [&](const QString& fullName, const QString& password) {
      TUserEditForm editor(session.context());
      editor.prepare(Mode::Edit, QStringLiteral("Редактирование пользователя"), QStringLiteral("Сохранить"));
      if (!editor.load(kPetrova.fullName))
        qFatal("user not loaded");
      if (child<QLineEdit>(&editor, "LoginEdit")->isEnabled() ||
          !child<QLineEdit>(&editor, "ParoleEdit")->text().isEmpty())
        qFatal("login editable or password shown");
      type(&editor, "UsernameEdit", fullName);
      type(&editor, "ParoleEdit", password);
      child(&editor, "OKBtn")->click();
      return editor.result() == QDialog::Accepted;
    };
    QVERIFY(edit(kPetrova.fullName, QString()));
    QCOMPARE(storedHash(session.data(), kPetrova.login), before);
    QCOMPARE(lastAction(session.data()), QStringLiteral("Редактирование пользователя Петрова Анна"));

    // Another user's full name is refused, letter case ignored.
    QVERIFY(!edit(QStringLiteral("administrator"), QString()));
    QCOMPARE(messages.texts(), QStringList{"Пользователь с данным именем уже существует."});

    QVERIFY(edit(QStringLiteral("Петрова-Сидорова Анна"), QStringLiteral("новый")));
    QVERIFY(verifyPassword(storedHash(session.data(), kPetrova.login), QStringLiteral("новый")));
    QVERIFY(!verifyPassword(storedHash(session.data(), kPetrova.login), kPetrova.password));
    QCOMPARE(session.data().scalar("SELECT ФИО FROM Пользователи WHERE Логин='petrova'").toString(),
             QStringLiteral("Петрова-Сидорова Анна"));
  }

  // A user whose status was deleted opens with none chosen and gets a new one.
  void userWithDeletedStatus() {
    test::TestSession session;
    test::RecordingMessages messages;
    const qint64 gone = session.data().exec(QStringLiteral("INSERT INTO Статусы (Название) VALUES ('Стажёр')"));
    QVERIFY(createUser(session.context(),
                       {kPetrova.fullName, kPetrova.login, kPetrova.password, QStringLiteral("Стажёр")}));
    session.data().exec(QStringLiteral("DELETE FROM Статусы WHERE ID=:id"), {{"id", gone}});

    TUserEditForm editor(session.context());
    editor.prepare(Mode::Edit, QStringLiteral("Редактирование пользователя"), QStringLiteral("Сохранить"));
    QVERIFY(editor.load(kPetrova.fullName));
    auto* statuses = child<QComboBox>(&editor, "Status");
    QCOMPARE(statuses->currentIndex(), -1);
    child(&editor, "OKBtn")->click();
    QCOMPARE(messages.texts(), QStringList{"Все поля должны быть заполнены."});
    statuses->setCurrentIndex(statuses->findText(QStringLiteral("Администратор")));
    child(&editor, "OKBtn")->click();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(session.data().count("Пользователи", "Status_ID=:s AND Логин='petrova'",
                                  {{"s", session.context().session().user.statusId}}),
             1);
  }

  // After "Правка" the statuses are read again and none is chosen.
  void statusesEditedFromEditor() {
    test::TestSession session;
    test::ScriptedInputBox input;
    TUserEditForm editor(session.context());
    editor.prepare(Mode::Create, QStringLiteral("Создание пользователя"), QStringLiteral("Создать"));
    auto* statuses = child<QComboBox>(&editor, "Status");
    statuses->setCurrentIndex(0);
    onNextModal([&](QDialog* window) {
      QCOMPARE(window->objectName(), QStringLiteral("TStatusManagerForm"));
      input.answers = {QStringLiteral("Гость")};
      // The new status goes straight into the permission editor; cancel it there.
      onNextModal([](QDialog* permissions) { permissions->reject(); });
      child(window, "NewBtn")->click();
      window->reject();
    });
    child(&editor, "StatusManagerBtn")->click();
    QCOMPARE(statuses->count(), 2);
    QCOMPARE(statuses->currentIndex(), -1);
  }

  void usersWindow() {
    test::TestSession session;
    test::RecordingMessages messages;
    QVERIFY(createUser(session.context(), kPetrova));
    DirectoryWindow window(session.context(), usersDirectory());
    QCOMPARE(window.objectName(), QStringLiteral("TUserManagerForm"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Управление пользователями"));
    QCOMPARE(window.countText(), QStringLiteral("Всего пользователей: 2"));
    for (const char* name : {"NewUserBtn", "EditUserBtn", "DeleteUserBtn", "Button1"})
      QVERIFY2(window.findChild<QPushButton*>(QLatin1String(name)), name);

    // Nobody deletes the account he is logged in with.
    window.selectName(QStringLiteral("Administrator"));
    child(&window, "DeleteUserBtn")->click();
    QCOMPARE(messages.texts(),
             QStringList{"Нельзя удалить пользователя, под именем которого выполнен вход в программу."});
    QCOMPARE(session.data().count("Пользователи"), 2);

    window.selectName(kPetrova.fullName);
    messages.answers = {QMessageBox::Yes};
    child(&window, "DeleteUserBtn")->click();
    QCOMPARE(messages.last().text, QStringLiteral("Вы действительно хотите удалить пользователя?"));
    QCOMPARE(session.data().count("Пользователи"), 1);
    QCOMPARE(window.countText(), QStringLiteral("Всего пользователей: 1"));
    QCOMPARE(lastAction(session.data()), QStringLiteral("Удаление пользователя Петрова Анна"));

    // The editor opened from the window stores and selects the new user.
    onNextModal([](QDialog* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Создание пользователя"));
      QVERIFY(child<QLineEdit>(dialog, "LoginEdit")->isEnabled());
      fill(dialog, kPetrova);
      child(dialog, "OKBtn")->click();
    });
    child(&window, "NewUserBtn")->click();
    QCOMPARE(window.selectedName(), kPetrova.fullName);
    QCOMPARE(window.countText(), QStringLiteral("Всего пользователей: 2"));
  }

  void rightsHideButtons() {
    test::TestSession session(
        false, {{QStringLiteral("UserManagerDelete"), true, false}, {QStringLiteral("StatusManager"), true, false}});
    DirectoryWindow window(session.context(), usersDirectory());
    QVERIFY(child(&window, "DeleteUserBtn")->isHidden());
    TUserEditForm editor(session.context());
    QVERIFY(child(&editor, "StatusManagerBtn")->isHidden());
  }
};

VH_TEST_MAIN(TestUsers)
#include "tst_users.moc"
