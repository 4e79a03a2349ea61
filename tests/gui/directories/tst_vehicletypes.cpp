#include "gui/directories/autotypeeditform.h"
#include "gui/directories/directories.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

using namespace vh;

namespace {

QVariantList storedTimes(test::TestDatabase& data, const QString& name) {
  const QVariantMap by{{QStringLiteral("n"), name}};
  return {data.scalar(QStringLiteral("SELECT ВремяПодачи FROM ТС WHERE Наименование=:n"), by),
          data.scalar(QStringLiteral("SELECT Минимал FROM ТС WHERE Наименование=:n"), by)};
}

struct Editor {
  explicit Editor(AppContext& context) : form(context) {}
  QLineEdit* name() { return form.findChild<QLineEdit*>("AutoTypeName"); }
  QTimeEdit* coming() { return form.findChild<QTimeEdit*>("ComingTime"); }
  QTimeEdit* minimum() { return form.findChild<QTimeEdit*>("MinTime"); }
  // Presses OK; true when the editor accepted (closed).
  bool ok() {
    form.setResult(0);
    test::click(&form, "OKBtn");
    return form.result() == QDialog::Accepted;
  }
  TAutoTypeEditForm form;
};

} // namespace

class TestVehicleTypes : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void newTypeStoresPickedTimesInMinutes() {
    test::TestSession session;
    test::RecordingMessages messages;
    Editor editor(session.context());
    editor.form.prepare(EntryEditor::Mode::Create, QStringLiteral("Новый тип ТС"), QStringLiteral("Создать"));
    QCOMPARE(editor.coming()->text(), QStringLiteral("00:00"));

    // Untouched pickers store 0; quotes are ordinary characters.
    const QString quoted = QStringLiteral("Тент \"Мега\" O'Neil");
    editor.name()->setText(quoted);
    QVERIFY(editor.ok());
    QCOMPARE(storedTimes(session.data(), quoted), (QVariantList{0, 0}));
    QCOMPARE(lastAction(session.data()), QStringLiteral("Создание нового типа ТС ") + quoted);

    Editor second(session.context());
    second.form.prepare(EntryEditor::Mode::Create, QStringLiteral("Новый тип ТС"), QStringLiteral("Создать"));
    second.name()->setText(QStringLiteral("Самосвал"));
    second.coming()->setTime(QTime(1, 30));
    second.minimum()->setTime(QTime(23, 59));
    QVERIFY(second.ok());
    QCOMPARE(storedTimes(session.data(), QStringLiteral("Самосвал")), (QVariantList{90, 1439}));
    QVERIFY(messages.shown.isEmpty());
  }

  void storedMinutesOpenAsHoursAndMinutes_data() {
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("none") << 0 << "00:00";
    QTest::newRow("hour and a half") << 90 << "01:30";
    QTest::newRow("last minute of a day") << 1439 << "23:59";
    QTest::newRow("beyond a day shows the day's end") << 2000 << "23:59";
  }
  void storedMinutesOpenAsHoursAndMinutes() {
    QFETCH(int, minutes);
    QFETCH(QString, shown);
    test::TestSession session;
    session.data().exec(QStringLiteral("UPDATE ТС SET ВремяПодачи=:m, Минимал=:m WHERE Наименование='Изотерм'"),
                        {{QStringLiteral("m"), minutes}});
    Editor editor(session.context());
    editor.form.prepare(EntryEditor::Mode::Edit, QStringLiteral("Редактирование типа ТС"), QStringLiteral("Сохранить"));
    QVERIFY(editor.form.load(QStringLiteral("Изотерм")));
    QCOMPARE(editor.coming()->text(), shown);
    QCOMPARE(editor.minimum()->text(), shown);

    // Saved back unchanged, as the minutes shown.
    QVERIFY(editor.ok());
    const int saved = qMin(minutes, 1439);
    QCOMPARE(storedTimes(session.data(), QStringLiteral("Изотерм")), (QVariantList{saved, saved}));
    QCOMPARE(lastAction(session.data()), QStringLiteral("Редактирование типа ТС Изотерм"));
  }

  void refusesEmptyAndTakenNames() {
    test::TestSession session;
    test::RecordingMessages messages;
    const qint64 types = session.data().count("ТС");
    Editor editor(session.context());
    editor.form.prepare(EntryEditor::Mode::Create, QStringLiteral("Новый тип ТС"), QStringLiteral("Создать"));
    QVERIFY(!editor.ok());
    QCOMPARE(messages.last().text, QStringLiteral("Не указано наименование ТС."));
    QCOMPARE(messages.last().caption, QStringLiteral("Сообщение"));
    QCOMPARE(messages.last().icon, QMessageBox::Warning);

    // Another letter case is the same name.
    editor.name()->setText(QStringLiteral("тЕНТ 20 Т"));
    QVERIFY(!editor.ok());
    QCOMPARE(messages.last().text, QStringLiteral("Данное наименование ТС уже существует."));
    QCOMPARE(messages.last().icon, QMessageBox::Warning);
    QCOMPARE(session.data().count("ТС"), types);

    // Renaming onto another type's name would leave one of them unreachable by name.
    Editor edit(session.context());
    edit.form.prepare(EntryEditor::Mode::Edit, QStringLiteral("Редактирование типа ТС"), QStringLiteral("Сохранить"));
    QVERIFY(edit.form.load(QStringLiteral("Трал")));
    edit.name()->setText(QStringLiteral("Автовоз"));
    QVERIFY(!edit.ok());
    QCOMPARE(messages.last().text, QStringLiteral("Данное наименование ТС уже существует."));
    // Its own name in other letters is no conflict.
    edit.name()->setText(QStringLiteral("ТРАЛ"));
    QVERIFY(edit.ok());
    QCOMPARE(session.data().count("ТС", "Наименование='ТРАЛ'"), 1);
    QCOMPARE(session.data().count("ТС"), types);
  }

  void windowCreatesEditsAndDeletes() {
    test::TestSession session;
    test::RecordingMessages messages;
    DirectoryWindow window(session.context(), vehicleTypesDirectory());
    QCOMPARE(window.objectName(), QStringLiteral("TCommandManagerForm"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Типы транспортных средств"));
    QCOMPARE(window.countText(), QStringLiteral("Всего типов ТС: 7"));

    test::NextModal create([](QDialog* dialog) {
      dialog->findChild<QLineEdit*>("AutoTypeName")->setText(QStringLiteral("Бортовой"));
      dialog->findChild<QTimeEdit*>("ComingTime")->setTime(QTime(0, 45));
      test::click(dialog, "OKBtn");
    });
    test::click(&window, "NewBtn");
    QCOMPARE(create.dialogName(), QStringLiteral("TAutoTypeEditForm"));
    QVERIFY(!create.leftOpen());
    QCOMPARE(window.selectedName(), QStringLiteral("Бортовой"));
    QCOMPARE(window.countText(), QStringLiteral("Всего типов ТС: 8"));
    QCOMPARE(storedTimes(session.data(), QStringLiteral("Бортовой")), (QVariantList{45, 0}));

    test::NextModal edit([](QDialog* dialog) {
      QCOMPARE(dialog->findChild<QTimeEdit*>("ComingTime")->text(), QStringLiteral("00:45"));
      dialog->findChild<QLineEdit*>("AutoTypeName")->setText(QStringLiteral("Бортовой 10 т"));
      test::click(dialog, "OKBtn");
    });
    test::click(&window, "EditBtn");
    QVERIFY(!edit.leftOpen());
    QCOMPARE(window.selectedName(), QStringLiteral("Бортовой 10 т"));
    QVERIFY(!window.names().contains(QStringLiteral("Бортовой")));

    messages.answers = {QMessageBox::Yes};
    test::click(&window, "DeleteBtn");
    QCOMPARE(messages.last().text, QStringLiteral("Вы действительно хотите удалить тип ТС?"));
    QCOMPARE(messages.last().caption, QStringLiteral("Удаление"));
    QCOMPARE(lastAction(session.data()), QStringLiteral("Удаление типа ТС Бортовой 10 т"));
    QCOMPARE(window.countText(), QStringLiteral("Всего типов ТС: 7"));
  }
};

VH_TEST_MAIN(TestVehicleTypes)
#include "tst_vehicletypes.moc"
