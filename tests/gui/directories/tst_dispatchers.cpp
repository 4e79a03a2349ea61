#include "gui/directories/directories.h"
#include "gui/directories/dispeditform.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vh;

namespace {

// Fills the editor and presses OK; true when it accepted.
bool fillAndSave(TDispEditForm& form, const QString& name, const QString& contacts) {
  form.findChild<QLineEdit*>("DispnameEdit")->setText(name);
  form.findChild<QPlainTextEdit*>("Contact")->setPlainText(contacts);
  form.setResult(0);
  form.findChild<QPushButton*>("OKBtn")->click();
  return form.result() == QDialog::Accepted;
}

} // namespace

class TestDispatchers : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void bothFieldsAreRequired_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("contacts");
    QTest::newRow("no contacts") << "Петров П.П."
                                 << "";
    QTest::newRow("no name") << ""
                             << "+7 900 000-00-00";
    QTest::newRow("nothing") << ""
                             << "";
  }
  void bothFieldsAreRequired() {
    QFETCH(QString, name);
    QFETCH(QString, contacts);
    test::TestSession session;
    test::RecordingMessages messages;
    TDispEditForm form(session.context());
    form.prepare(EntryEditor::Mode::Create, QStringLiteral("Новый диспетчер"), QStringLiteral("Создать"));
    QVERIFY(!fillAndSave(form, name, contacts));
    QCOMPARE(messages.texts(), QStringList{"Все поля должны быть заполнены."});
    QCOMPARE(messages.last().caption, QStringLiteral("Сообщение"));
    QCOMPARE(messages.last().icon, QMessageBox::Warning);
    QCOMPARE(session.data().count("Диспетчеры"), 0);
  }

  void createsAndEditsWithJournal() {
    test::TestSession session;
    test::RecordingMessages messages;
    const QString name = QStringLiteral("О'Брайен \"Диспетчерская\"");
    const QString contacts = QStringLiteral("+7 495 123-45-67\nobrien@example.ru");
    {
      TDispEditForm form(session.context());
      form.prepare(EntryEditor::Mode::Create, QStringLiteral("Новый диспетчер"), QStringLiteral("Создать"));
      QVERIFY(fillAndSave(form, name, contacts));
      QCOMPARE(form.storedName(), name);
    }
    QCOMPARE(lastAction(session.data()), QStringLiteral("Создание диспетчера ") + name);

    // The same name in other letters is refused on creating, with an information box.
    TDispEditForm again(session.context());
    again.prepare(EntryEditor::Mode::Create, QStringLiteral("Новый диспетчер"), QStringLiteral("Создать"));
    QVERIFY(!fillAndSave(again, QStringLiteral("о'брайен \"ДИСПЕТЧЕРСКАЯ\""), QStringLiteral("-")));
    QCOMPARE(messages.last().text, QStringLiteral("Диспетчер с данным ФИО уже существует."));
    QCOMPARE(messages.last().icon, QMessageBox::Information);
    QCOMPARE(session.data().count("Диспетчеры"), 1);

    TDispEditForm edit(session.context());
    edit.prepare(EntryEditor::Mode::Edit, QStringLiteral("Редактирование диспетчера"), QStringLiteral("Сохранить"));
    QVERIFY(edit.load(name));
    QCOMPARE(edit.findChild<QPlainTextEdit*>("Contact")->toPlainText(), contacts);
    QVERIFY(fillAndSave(edit, QStringLiteral("Брайен О."), contacts + QStringLiteral("\nпн-пт")));
    QCOMPARE(lastAction(session.data()), QStringLiteral("Редактирование диспетчера Брайен О."));
    QCOMPARE(session.data().scalar(QStringLiteral("SELECT Контакты FROM Диспетчеры WHERE ФИО='Брайен О.'")).toString(),
             contacts + QStringLiteral("\nпн-пт"));
    QVERIFY(!edit.load(name));
  }

  void windowUsesItsOwnTexts() {
    test::TestSession session;
    test::RecordingMessages messages;
    DirectoryWindow window(session.context(), dispatchersDirectory());
    QCOMPARE(window.windowTitle(), QStringLiteral("Диспетчеры"));
    QCOMPARE(window.findChild<QPushButton*>("NewBtn")->text(), QStringLiteral("Новый..."));

    test::NextModal create([](QDialog* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Новый диспетчер"));
      QCOMPARE(dialog->findChild<QPushButton*>("OKBtn")->text(), QStringLiteral("Создать"));
      dialog->findChild<QLineEdit*>("DispnameEdit")->setText(QStringLiteral("Сидорова А.В."));
      dialog->findChild<QPlainTextEdit*>("Contact")->setPlainText(QStringLiteral("+7 812 000-11-22"));
      test::click(dialog, "OKBtn");
    });
    test::click(&window, "NewBtn");
    QCOMPARE(create.dialogName(), QStringLiteral("TDispEditForm"));
    QCOMPARE(window.countText(), QStringLiteral("Всего диспетчеров: 1"));
    QCOMPARE(window.selectedName(), QStringLiteral("Сидорова А.В."));
    test::NextModal edit([](QDialog* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Редактирование диспетчера"));
      QCOMPARE(dialog->findChild<QPushButton*>("OKBtn")->text(), QStringLiteral("Сохранить"));
      test::click(dialog, "CancelBtn");
    });
    test::click(&window, "EditBtn");
    QCOMPARE(edit.dialogName(), QStringLiteral("TDispEditForm"));

    // Deleting writes no journal entry.
    const qint64 journal = session.data().count("Протокол");
    messages.answers = {QMessageBox::Yes};
    test::click(&window, "DeleteBtn");
    QCOMPARE(messages.last().text, QStringLiteral("Вы действительно хотите удалить диспетчера?"));
    QCOMPARE(messages.last().caption, QStringLiteral("Удаление диспетчера"));
    QCOMPARE(session.data().count("Диспетчеры"), 0);
    QCOMPARE(session.data().count("Протокол"), journal);
    QCOMPARE(window.countText(), QStringLiteral("Всего диспетчеров: 0"));
  }
};

VH_TEST_MAIN(TestDispatchers)
#include "tst_dispatchers.moc"
