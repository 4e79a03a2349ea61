#include "gui/app/loginform.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

using namespace vh;

namespace {
void fill(TLoginForm& form, const QString& login, const QString& password) {
  form.findChild<QLineEdit*>("Login")->setText(login);
  form.findChild<QLineEdit*>("Password")->setText(password);
}
void press(TLoginForm& form) {
  form.findChild<QPushButton*>("OKBtn")->click();
}
} // namespace

class TestLoginForm : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void init() { QSettings().clear(); }

  void startsWithRememberedLoginAndEmptyPassword() {
    test::TestDatabase data;
    TLoginForm form(data.db());
    QCOMPARE(form.windowTitle(), QStringLiteral("Verholm International"));
    QCOMPARE(form.findChild<QLineEdit*>("Login")->text(), QStringLiteral("Administrator"));
    QCOMPARE(form.findChild<QLineEdit*>("Password")->text(), QString());
    QCOMPARE(form.findChild<QLineEdit*>("Password")->echoMode(), QLineEdit::Password);
  }

  void refusesWithMessages_data() {
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty password") << "Administrator"
                                    << ""
                                    << "Для входа в программу необходимо ввести логин и пароль.";
    QTest::newRow("empty login") << ""
                                 << "admin"
                                 << "Для входа в программу необходимо ввести логин и пароль.";
    QTest::newRow("wrong password") << "Administrator"
                                    << "wrong"
                                    << "Нет доступа!";
    QTest::newRow("quote") << "Admin'istrator"
                           << "adm'in"
                           << "Нет доступа!";
  }
  void refusesWithMessages() {
    QFETCH(QString, login);
    QFETCH(QString, password);
    QFETCH(QString, message);
    test::TestDatabase data;
    test::RecordingMessages messages;
    TLoginForm form(data.db());
    fill(form, login, password);
    press(form);
    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(messages.last().caption, QStringLiteral("Ошибка"));
    QCOMPARE(messages.last().icon, QMessageBox::Critical);
    QCOMPARE(form.result(), 0);
    QVERIFY(!form.outcome());
    // Both texts are kept for another try.
    QCOMPARE(form.findChild<QLineEdit*>("Login")->text(), login);
    QCOMPARE(form.findChild<QLineEdit*>("Password")->text(), password);
    QCOMPARE(data.count("Протокол"), 0);
  }

  void acceptsAndRemembersTheLogin() {
    test::TestDatabase data;
    test::RecordingMessages messages;
    {
      TLoginForm form(data.db());
      fill(form, QStringLiteral("ADMINISTRATOR"), QStringLiteral("admin"));
      press(form);
      QVERIFY(messages.shown.isEmpty());
      QCOMPARE(form.result(), int(QDialog::Accepted));
      QVERIFY(form.outcome());
      QCOMPARE(form.outcome()->session.user.login, QStringLiteral("ADMINISTRATOR"));
    }
    QCOMPARE(data.count("Протокол", "Действие='Вход в программу'"), 1);
    TLoginForm next(data.db());
    QCOMPARE(next.findChild<QLineEdit*>("Login")->text(), QStringLiteral("ADMINISTRATOR"));
  }
};

VH_TEST_MAIN(TestLoginForm)
#include "tst_loginform.moc"
