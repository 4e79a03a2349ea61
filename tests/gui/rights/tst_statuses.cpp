#include "core/rights/permissioncatalogue.h"
#include "gui/directories/directories.h"
#include "gui/directories/directorywindow.h"
#include "gui/rights/statuseditform.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

using namespace vh;
using namespace vh::test;

namespace {

constexpr int kView = TStatusEditForm::ViewColumn;
constexpr int kChange = TStatusEditForm::ChangeColumn;
constexpr int kAccess = TStatusEditForm::AccessColumn;

QTableWidgetItem* box(QTableWidget* grid, const QString& key, int column) {
  for (int row = 0; row < grid->rowCount(); ++row) {
    if (grid->item(row, TStatusEditForm::KeyColumn)->text() == key)
      return grid->item(row, column);
  }
  qFatal("no row %s", qPrintable(key));
}

bool isTicked(QTableWidget* grid, const QString& key, int column) {
  return box(grid, key, column)->checkState() == Qt::Checked;
}

void setTicked(QTableWidget* grid, const QString& key, int column, bool on) {
  box(grid, key, column)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

int tickedCount(QTableWidget* grid) {
  int count = 0;
  for (int row = 0; row < grid->rowCount(); ++row) {
    for (int column = TStatusEditForm::CaptionColumn + 1; column < grid->columnCount(); ++column) {
      if (const QTableWidgetItem* item = grid->item(row, column); item && item->checkState() == Qt::Checked)
        ++count;
    }
  }
  return count;
}

qint64 statusId(test::TestDatabase& data, const QString& name) {
  return data.scalar(QStringLiteral("SELECT ID FROM Статусы WHERE Название=:n"), {{"n", name}}).toLongLong();
}

// The stored row of a status for a key: "read/change", or "-" when missing.
QString stored(test::TestDatabase& data, const QString& status, const QString& key) {
  const QVariant read = data.scalar(QStringLiteral("SELECT Чтение || '/' || Изменение FROM Полномочия WHERE "
                                                   "Status_ID=(SELECT ID FROM Статусы WHERE Название=:s) AND Поле=:k"),
                                    {{"s", status}, {"k", key}});
  return read.isValid() ? read.toString() : QStringLiteral("-");
}

int rightsCount() {
  int count = 0;
  for (const auto* catalogue : {&fieldCatalogue(), &commandCatalogue()}) {
    for (const CatalogueSection& section : *catalogue)
      count += int(section.rights.size());
  }
  return count;
}

} // namespace

// The statuses window and the permission editor.
class TestStatuses : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void gridsShowTheCatalogue() {
    test::TestSession session;
    TStatusEditForm editor(session.context());
    QCOMPARE(editor.windowTitle(), QStringLiteral("Редактирование статуса"));
    QTableWidget* fields = editor.fieldGrid();
    QCOMPARE(fields->rowCount(), 2 + 32);
    QCOMPARE(fields->item(0, 1)->text(), QStringLiteral("Заказ"));
    QCOMPARE(fields->item(0, 1)->background().color(), QColor(244, 244, 244));
    QCOMPARE(fields->columnSpan(0, 1), 3);
    QVERIFY(fields->isColumnHidden(TStatusEditForm::KeyColumn));
    QCOMPARE(fields->horizontalHeaderItem(kChange)->text(), QStringLiteral("Изменение"));
    QTableWidget* commands = editor.commandGrid();
    QCOMPARE(commands->rowCount(), 4 + 24);
    QCOMPARE(box(commands, QStringLiteral("ClientManagerDelete"), 1)->text(),
             QStringLiteral("<font color=\"#FF0000\">*</font> Удаление Клиентов"));
    QCOMPARE(box(commands, QStringLiteral("ClientManager"), 1)->text(), QStringLiteral("Клиенты"));
    QTableWidget* journals = editor.journalGrid();
    QCOMPARE(journals->rowCount(), 1);
    QCOMPARE(journals->item(0, 1)->text(), QStringLiteral("Administrator"));
    QCOMPARE(journals->item(0, 0)->text(), QStringLiteral("#%1").arg(session.data().adminId()));
  }

  // A click anywhere in a check cell toggles it once; Space toggles the current cell.
  void checkCellsToggleByMouseAndKeyboard() {
    test::TestSession session;
    TStatusEditForm editor(session.context());
    editor.show();
    QTableWidget* grid = editor.commandGrid();
    editor.findChild<QTabWidget*>(QStringLiteral("PageControl"))->setCurrentWidget(grid->parentWidget());
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QTableWidgetItem* cell = box(grid, QStringLiteral("OrderEditor"), kAccess);
    const QRect rect = grid->visualItemRect(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.topLeft() + QPoint(4, 4));
    QCOMPARE(cell->checkState(), Qt::Checked);
    grid->setCurrentItem(cell);
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(cell->checkState(), Qt::Unchecked);
    // Headings have no boxes.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 1)).center());
    QCOMPARE(tickedCount(grid), 0);
  }

  // A new status is named through the input box and composed straight away.
  void createsAndComposesStatus() {
    test::TestSession session;
    test::RecordingMessages messages;
    test::ScriptedInputBox input;
    DirectoryWindow window(session.context(), statusesDirectory());
    QCOMPARE(window.objectName(), QStringLiteral("TStatusManagerForm"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Статусы полномочий"));
    const QString name = QStringLiteral("Логист \"Север\"");
    input.answers = {name};
    const QString admin = QStringLiteral("#%1").arg(session.data().adminId());
    bool startedEmpty = false;
    onNextModal([&](QDialog* dialog) {
      auto* editor = static_cast<TStatusEditForm*>(dialog);
      startedEmpty = editor->mode() == EntryEditor::Mode::Create && tickedCount(editor->fieldGrid()) == 0 &&
                     tickedCount(editor->commandGrid()) == 0 && tickedCount(editor->journalGrid()) == 0;
      // Only journal rights: refused.
      setTicked(editor->journalGrid(), admin, kAccess, true);
      child(dialog, "OKBtn")->click();
      QVERIFY(dialog->isVisible());
      setTicked(editor->commandGrid(), QStringLiteral("OrderEditor"), kAccess, true);
      // Changing a field makes it visible too; viewing alone is allowed.
      setTicked(editor->fieldGrid(), QStringLiteral("_ClientName"), kChange, true);
      setTicked(editor->fieldGrid(), QStringLiteral("_Route"), kView, true);
      child(dialog, "OKBtn")->click();
    });
    child(&window, "NewBtn")->click();
    QVERIFY(startedEmpty);
    QCOMPARE(input.asked.last().caption, QStringLiteral("Новый статус"));
    QCOMPARE(input.asked.last().prompt, QStringLiteral("Название:"));
    QCOMPARE(messages.texts(), QStringList{"Статус не содержит ни одного полномочия."});
    QCOMPARE(window.selectedName(), name);
    QCOMPARE(window.countText(), QStringLiteral("Всего статусов: 2"));

    // One row per right and user, each kind with its own columns; unticked ones too.
    QCOMPARE(session.data().count("Полномочия", "Status_ID=:s", {{"s", statusId(session.data(), name)}}),
             rightsCount() + 1);
    QCOMPARE(stored(session.data(), name, "OrderEditor"), QStringLiteral("0/1"));
    QCOMPARE(stored(session.data(), name, "OrderDelete"), QStringLiteral("0/0"));
    QCOMPARE(stored(session.data(), name, "_ClientName"), QStringLiteral("1/1"));
    QCOMPARE(stored(session.data(), name, "_Route"), QStringLiteral("1/0"));
    QCOMPARE(stored(session.data(), name, "_Load"), QStringLiteral("0/0"));
    QCOMPARE(stored(session.data(), name, admin), QStringLiteral("1/0"));
    QCOMPARE(session.data().count("Протокол", "Действие=:a", {{"a", "Создание статуса " + name}}), 1);
    QCOMPARE(lastAction(session.data()), "Создание полномочий статуса " + name);
  }

  // Names are cut to 50 characters before the duplicate test.
  void namesCutBeforeDuplicateTest() {
    test::TestSession session;
    test::RecordingMessages messages;
    test::ScriptedInputBox input;
    DirectoryWindow window(session.context(), statusesDirectory());
    const QString base = QString(50, QChar(u'Я'));
    input.answers = {base + QStringLiteral("0123456789"), base.toLower() + QStringLiteral("другой хвост"),
                     QStringLiteral("администратор")};
    onNextModal([](QDialog* dialog) { dialog->reject(); });
    child(&window, "NewBtn")->click();
    QCOMPARE(session.data().count("Статусы", "Название=:n", {{"n", base}}), 1);
    child(&window, "NewBtn")->click();
    child(&window, "NewBtn")->click();
    QCOMPARE(messages.texts(),
             (QStringList{"Статус с данным названием уже существует!", "Статус с данным названием уже существует!"}));
    QCOMPARE(messages.last().caption, QStringLiteral("Ошибка"));
    QCOMPARE(session.data().count("Статусы"), 2);
    // Cancelling the permission editor leaves the status without rows.
    QCOMPARE(session.data().count("Полномочия"), 0);
  }

  // Editing updates the status's rows in place and adds the missing ones.
  void editUpdatesRows() {
    test::TestSession session;
    test::RecordingMessages messages;
    const QString name = QStringLiteral("Бухгалтер");
    const qint64 id = session.data().exec(QStringLiteral("INSERT INTO Статусы (Название) VALUES (:n)"), {{"n", name}});
    {
      TStatusEditForm editor(session.context());
      QVERIFY(editor.load(name, true));
      setTicked(editor.commandGrid(), QStringLiteral("PaymentEditor"), kAccess, true);
      child(&editor, "OKBtn")->click();
      QCOMPARE(editor.result(), int(QDialog::Accepted));
    }
    const qint64 rows = session.data().count("Полномочия");
    const qint64 newUser = session.data().exec(
        QStringLiteral("INSERT INTO Пользователи (ФИО, Логин, Status_ID) VALUES ('Яковлева', 'yak', :s)"), {{"s", id}});

    DirectoryWindow window(session.context(), statusesDirectory());
    window.selectName(name);
    onNextModal([&](QDialog* dialog) {
      auto* editor = static_cast<TStatusEditForm*>(dialog);
      QCOMPARE(editor->mode(), EntryEditor::Mode::Edit);
      QVERIFY(isTicked(editor->commandGrid(), QStringLiteral("PaymentEditor"), kAccess));
      QVERIFY(!isTicked(editor->commandGrid(), QStringLiteral("OrderEditor"), kAccess));
      QVERIFY(!isTicked(editor->fieldGrid(), QStringLiteral("_ClientName"), kView));
      setTicked(editor->commandGrid(), QStringLiteral("OrderEditor"), kAccess, true);
      setTicked(editor->journalGrid(), QStringLiteral("#%1").arg(newUser), kAccess, true);
      child(dialog, "OKBtn")->click();
    });
    child(&window, "EditBtn")->click();
    QCOMPARE(session.data().count("Полномочия"), rows + 1);
    QCOMPARE(stored(session.data(), name, "OrderEditor"), QStringLiteral("0/1"));
    QCOMPARE(stored(session.data(), name, "PaymentEditor"), QStringLiteral("0/1"));
    QCOMPARE(stored(session.data(), name, QStringLiteral("#%1").arg(newUser)), QStringLiteral("1/0"));
    QCOMPARE(lastAction(session.data()), "Редактирование полномочий статуса " + name);
    QVERIFY(messages.shown.isEmpty());
  }

  // What an existing status shows is what its holders get at login: a right
  // without a row restricts nothing. The user's own journal is always ticked.
  void showsEffectiveRights() {
    test::TestSession session(true);
    const qint64 admin = session.data().adminId();
    TStatusEditForm manager(session.context());
    QVERIFY(manager.load(QStringLiteral("Менеджер")));
    QCOMPARE(manager.mode(), EntryEditor::Mode::Edit);
    QVERIFY(isTicked(manager.commandGrid(), QStringLiteral("OrderEditor"), kAccess));
    QVERIFY(!isTicked(manager.commandGrid(), QStringLiteral("OrderDelete"), kAccess));
    QVERIFY(isTicked(manager.fieldGrid(), QStringLiteral("_WayPrice"), kChange));
    QCOMPARE(tickedCount(manager.journalGrid()), 0);

    // The administrator's own status, with only his journal row stored, refused: all else
    // ticked, and his own journal ticked regardless.
    session.data().exec(QStringLiteral("INSERT INTO Полномочия (Status_ID, Поле, Чтение) VALUES (:s, :k, False)"),
                        {{"s", session.context().session().user.statusId}, {"k", QStringLiteral("#%1").arg(admin)}});
    TStatusEditForm own(session.context());
    QVERIFY(own.load(QStringLiteral("Администратор")));
    QCOMPARE(own.mode(), EntryEditor::Mode::Edit);
    QCOMPARE(tickedCount(own.commandGrid()), 24);
    QCOMPARE(tickedCount(own.fieldGrid()), 64);
    QVERIFY(isTicked(own.journalGrid(), QStringLiteral("#%1").arg(admin), kAccess));
    QCOMPARE(tickedCount(own.journalGrid()), 1);
    child(&own, "OKBtn")->click();
    QCOMPARE(stored(session.data(), QStringLiteral("Администратор"), QStringLiteral("#%1").arg(admin)),
             QStringLiteral("1/0"));
  }

  void renamesAndDeletes() {
    test::TestSession session;
    test::RecordingMessages messages;
    test::ScriptedInputBox input;
    const qint64 id = session.data().exec(QStringLiteral("INSERT INTO Статусы (Название) VALUES ('Водитель')"));
    session.data().exec(
        QStringLiteral("INSERT INTO Полномочия (Status_ID, Поле, Изменение) VALUES (:s, 'OrderEditor', False)"),
        {{"s", id}});
    for (const char* login : {"a", "b"}) {
      session.data().exec(QStringLiteral("INSERT INTO Пользователи (ФИО, Логин, Status_ID) VALUES (:l, :l, :s)"),
                          {{"l", QString::fromLatin1(login)}, {"s", id}});
    }
    session.data().exec(QStringLiteral("INSERT INTO Статусы (Название) VALUES ('Пустой')"));
    DirectoryWindow window(session.context(), statusesDirectory());
    window.selectName(QStringLiteral("Водитель"));

    input.answers = {QStringLiteral("АДМИНИСТРАТОР"), QStringLiteral("Экспедитор")};
    child(&window, "RenameBtn")->click();
    QCOMPARE(input.asked.last().caption, QStringLiteral("Переименование статуса"));
    QCOMPARE(input.asked.last().prompt, QStringLiteral("Новое название:"));
    QCOMPARE(input.asked.last().initial, QStringLiteral("Водитель"));
    QCOMPARE(messages.texts(), QStringList{"Статус с данным названием уже существует!"});
    child(&window, "RenameBtn")->click();
    QCOMPARE(lastAction(session.data()), QStringLiteral("Переименование статуса Водитель на Экспедитор"));
    QCOMPARE(window.selectedName(), QStringLiteral("Экспедитор"));

    // A status held by users names how many before it goes, with its rights.
    const qint64 journal = session.data().count("Протокол");
    messages.answers = {QMessageBox::No, QMessageBox::Yes};
    child(&window, "DeleteBtn")->click();
    QCOMPARE(messages.last().text,
             QStringLiteral("Вы действительно хотите удалить Статус?\nСтатус назначен пользователям: 2. До назначения "
                            "им другого статуса они будут работать без ограничений."));
    QCOMPARE(messages.last().caption, QStringLiteral("Подтверждение удаления"));
    QCOMPARE(session.data().count("Статусы"), 3);
    child(&window, "DeleteBtn")->click();
    QCOMPARE(session.data().count("Статусы"), 2);
    QCOMPARE(session.data().count("Полномочия"), 0);
    QCOMPARE(window.countText(), QStringLiteral("Всего статусов: 2"));

    window.selectName(QStringLiteral("Пустой"));
    messages.answers = {QMessageBox::Yes};
    child(&window, "DeleteBtn")->click();
    QCOMPARE(messages.last().text, QStringLiteral("Вы действительно хотите удалить Статус?"));
    QCOMPARE(session.data().count("Протокол"), journal);
  }

  void deleteButtonFollowsRights() {
    test::TestSession session(false, {{QStringLiteral("StatusManagerDelete"), true, false}});
    DirectoryWindow window(session.context(), statusesDirectory());
    QVERIFY(child(&window, "DeleteBtn")->isHidden());
    QVERIFY(!child(&window, "RenameBtn")->isHidden());
  }
};

VH_TEST_MAIN(TestStatuses)
#include "tst_statuses.moc"
