#include "gui/directories/directories.h"
#include "gui/directories/firmeditform.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vh;

namespace {

QStringList defaultFirms(test::TestDatabase& data) {
  return data.scalar(QStringLiteral("SELECT group_concat(Фирма, '|') FROM Фирмы WHERE Умолчание=True"))
      .toString()
      .split(u'|', Qt::SkipEmptyParts);
}

bool fillAndSave(TFirmEditForm& form, const QString& name, const QString& phones, const QString& details) {
  form.findChild<QLineEdit*>("FirmName")->setText(name);
  form.findChild<QLineEdit*>("Phones")->setText(phones);
  form.findChild<QPlainTextEdit*>("BankDetails")->setPlainText(details);
  form.setResult(0);
  test::click(&form, "OKBtn");
  return form.result() == QDialog::Accepted;
}

const QString kRomashka = QStringLiteral("ООО \"Ромашка\"");

} // namespace

class TestFirms : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void editorCreatesAndEdits() {
    test::TestSession session;
    test::RecordingMessages messages;
    TFirmEditForm form(session.context());
    form.prepare(EntryEditor::Mode::Create, QStringLiteral("Добавление фирмы"), QStringLiteral("Добавить"));
    QVERIFY(!fillAndSave(form, QString(), QStringLiteral("+7 495 000-00-00"), QString()));
    QCOMPARE(messages.texts(), QStringList{"Не задано наименование фирмы."});
    QCOMPARE(session.data().count("Фирмы"), 0);

    const QString details = QStringLiteral("ИНН 7700000000\nр/с 40702810000000000001\nБИК 044525000");
    QVERIFY(fillAndSave(form, kRomashka, QStringLiteral("+7 495 000-00-00"), details));
    QCOMPARE(lastAction(session.data()), QStringLiteral("Создание фирмы ") + kRomashka);

    TFirmEditForm edit(session.context());
    edit.prepare(EntryEditor::Mode::Edit, QStringLiteral("Редактирование фирмы"), QStringLiteral("Сохранить"));
    QVERIFY(edit.load(kRomashka));
    QCOMPARE(edit.findChild<QPlainTextEdit*>("BankDetails")->toPlainText(), details);
    QVERIFY(fillAndSave(edit, QStringLiteral("АО \"Ромашка\""), QStringLiteral("+7 495 111-11-11"), QString()));
    // The journal names the firm as it was called before.
    QCOMPARE(lastAction(session.data()), QStringLiteral("Редактирование фирмы ") + kRomashka);
    QCOMPARE(session.data().scalar(QStringLiteral("SELECT Телефон FROM Фирмы WHERE Фирма='АО \"Ромашка\"'")).toString(),
             QStringLiteral("+7 495 111-11-11"));
    QCOMPARE(messages.shown.size(), 1);
  }

  // One default firm at most; renaming keeps it, deleting leaves none.
  void defaultFirm() {
    test::TestSession session;
    test::RecordingMessages messages;
    for (const QString& name : {kRomashka, QStringLiteral("ИП Васильков")})
      session.data().exec(QStringLiteral("INSERT INTO Фирмы (Фирма) VALUES (:n)"), {{QStringLiteral("n"), name}});
    DirectoryWindow window(session.context(), firmsDirectory());
    QCOMPARE(window.countText(), QStringLiteral("Всего фирм: 2"));

    // Nothing selected: nothing happens.
    test::click(&window, "ToDefaultBtn");
    QVERIFY(messages.shown.isEmpty());

    const qint64 journal = session.data().count("Протокол");
    test::selectEntry(window, kRomashka);
    test::click(&window, "ToDefaultBtn");
    QCOMPARE(defaultFirms(session.data()), QStringList{kRomashka});
    QCOMPARE(messages.last().text, QStringLiteral("Фирма ООО \"Ромашка\" установлена по умолчанию."));
    QCOMPARE(messages.last().caption, msg::kAppTitle);
    QCOMPARE(messages.last().icon, QMessageBox::NoIcon);

    test::selectEntry(window, QStringLiteral("ИП Васильков"));
    test::click(&window, "ToDefaultBtn");
    QCOMPARE(defaultFirms(session.data()), QStringList{"ИП Васильков"});
    QCOMPARE(session.data().count("Протокол"), journal);

    test::NextModal rename([](QDialog* dialog) {
      dialog->findChild<QLineEdit*>("FirmName")->setText(QStringLiteral("ИП Васильков А.А."));
      test::click(dialog, "OKBtn");
    });
    test::click(&window, "EditBtn");
    QCOMPARE(rename.dialogName(), QStringLiteral("TFirmEditForm"));
    QCOMPARE(window.selectedName(), QStringLiteral("ИП Васильков А.А."));
    QCOMPARE(defaultFirms(session.data()), QStringList{"ИП Васильков А.А."});

    messages.answers = {QMessageBox::Yes};
    test::click(&window, "DelBtn");
    QCOMPARE(messages.last().text, QStringLiteral("Вы действительно хотите удалить фирму?"));
    QCOMPARE(messages.last().caption, QStringLiteral("Удаление"));
    QVERIFY(defaultFirms(session.data()).isEmpty());
    QCOMPARE(window.countText(), QStringLiteral("Всего фирм: 1"));
    QCOMPARE(session.data().count("Протокол"), journal + 1); // the rename only
  }
};

VH_TEST_MAIN(TestFirms)
#include "tst_firms.moc"
