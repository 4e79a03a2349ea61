#include "gui/directories/directories.h"
#include "gui/directories/directorywindow.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QLabel>
#include <QPushButton>

using namespace vh;

// The generic window and its input-box and delete behaviour, told on the order sources.
class TestDirectoryWindow : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void listsSortedNamesWithCount() {
    test::TestSession session;
    DirectoryWindow window(session.context(), orderSourcesDirectory());
    QCOMPARE(window.objectName(), QStringLiteral("TSourceManagerForm"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Источники заказов"));
    QCOMPARE(window.names(), (QStringList{"Диспетчер", "Постоянный клиент", "Реклама", "Рекомендация"}));
    QCOMPARE(window.findChild<QLabel*>("CountLine")->text(), QStringLiteral("Всего источников: 4"));
  }

  void createsThroughInputBox() {
    test::TestSession session;
    test::RecordingMessages messages;
    test::ScriptedInputBox input;
    DirectoryWindow window(session.context(), orderSourcesDirectory());

    const QString quoted = QStringLiteral("ООО \"Ромашка\" O'Neil");
    input.answers = {QStringLiteral("Сайт"), QStringLiteral("сАЙТ"), std::nullopt, QString(), quoted};
    test::click(&window, "NewBtn");
    QCOMPARE(input.asked.last().caption, QStringLiteral("Новый источник"));
    QCOMPARE(input.asked.last().prompt, QStringLiteral("Наименование:"));
    QCOMPARE(input.asked.last().initial, QString());
    QVERIFY(window.names().contains(QStringLiteral("Сайт")));
    QCOMPARE(window.selectedName(), QStringLiteral("Сайт"));
    QCOMPARE(window.countText(), QStringLiteral("Всего источников: 5"));
    QCOMPARE(lastAction(session.data()), QStringLiteral("Создание Источника Заказов Сайт"));

    // The same name in other letters is refused, with nothing written.
    test::click(&window, "NewBtn");
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.last().text, QStringLiteral("Источник с данным наименованием уже существует!"));
    QCOMPARE(messages.last().caption, QStringLiteral("Ошибка"));
    QCOMPARE(messages.last().icon, QMessageBox::Warning);
    QCOMPARE(session.data().count("Источники"), 5);

    // Cancelled and empty: nothing, silently.
    test::click(&window, "NewBtn");
    test::click(&window, "NewBtn");
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(session.data().count("Источники"), 5);

    // Quotes are ordinary characters.
    test::click(&window, "NewBtn");
    QCOMPARE(session.data().count("Источники", "Наименование=:n", {{"n", quoted}}), 1);
    QCOMPARE(window.countText(), QStringLiteral("Всего источников: 6"));
  }

  void renamesThroughInputBox() {
    test::TestSession session;
    test::RecordingMessages messages;
    test::ScriptedInputBox input;
    DirectoryWindow window(session.context(), orderSourcesDirectory());

    // Nothing selected: nothing asked.
    test::click(&window, "EditBtn");
    QVERIFY(input.asked.isEmpty());

    test::selectEntry(window, QStringLiteral("Рекомендация"));
    input.answers = {QStringLiteral("Рекомендация партнёра"), QStringLiteral("Рекомендация партнёра"),
                     QStringLiteral("реклама")};
    test::click(&window, "EditBtn");
    QCOMPARE(input.asked.last().caption, QStringLiteral("Переименование"));
    QCOMPARE(input.asked.last().prompt, QStringLiteral("Новое наименование:"));
    QCOMPARE(input.asked.last().initial, QStringLiteral("Рекомендация"));
    QCOMPARE(lastAction(session.data()),
             QStringLiteral("Переименование Источника Заказов Рекомендация на Рекомендация партнёра"));
    QVERIFY(!window.names().contains(QStringLiteral("Рекомендация")));
    QCOMPARE(window.selectedName(), QStringLiteral("Рекомендация партнёра"));
    QCOMPARE(window.countText(), QStringLiteral("Всего источников: 4"));

    // The unchanged name does nothing; a name taken in other letters is refused.
    const qint64 journal = session.data().count("Протокол");
    test::click(&window, "EditBtn");
    QVERIFY(messages.shown.isEmpty());
    test::click(&window, "EditBtn");
    QCOMPARE(messages.texts(), QStringList{"Источник с данным наименованием уже существует!"});
    QCOMPARE(session.data().count("Протокол"), journal);
    QCOMPARE(session.data().count("Источники", "Наименование='Рекомендация партнёра'"), 1);
  }

  void deletesAfterConfirmation() {
    test::TestSession session;
    test::RecordingMessages messages;
    DirectoryWindow window(session.context(), orderSourcesDirectory());
    test::selectEntry(window, QStringLiteral("Рекомендация"));

    messages.answers = {QMessageBox::No, QMessageBox::Yes};
    test::click(&window, "DeleteBtn");
    QCOMPARE(messages.last().text, QStringLiteral("Вы действительно хотите удалить источник?"));
    QCOMPARE(messages.last().caption, QStringLiteral("Удаление источника"));
    QCOMPARE(messages.last().icon, QMessageBox::Question);
    QCOMPARE(messages.last().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(session.data().count("Источники"), 4);

    test::click(&window, "DeleteBtn");
    QCOMPARE(session.data().count("Источники"), 3);
    QVERIFY(!window.names().contains(QStringLiteral("Рекомендация")));
    QCOMPARE(window.countText(), QStringLiteral("Всего источников: 3"));
    QCOMPARE(lastAction(session.data()), QStringLiteral("Удаление Источника Заказов Рекомендация"));
  }

  // Each directory writes its own journal texts, or none.
  void journalTextsDifferByDirectory() {
    test::TestSession session;
    test::ScriptedInputBox input;
    test::RecordingMessages messages;
    {
      DirectoryWindow adverts(session.context(), advertsDirectory());
      input.answers = {QStringLiteral("Радио"), QStringLiteral("Радио «Европа плюс»")};
      test::click(&adverts, "NewBtn");
      QCOMPARE(lastAction(session.data()), QStringLiteral("Добавление новой рекламы Радио"));
      test::click(&adverts, "EditBtn");
      QCOMPARE(lastAction(session.data()), QStringLiteral("Переименование рекламы Радио «Европа плюс»"));
      messages.answers = {QMessageBox::Yes};
      test::click(&adverts, "DeleteBtn");
      QCOMPARE(lastAction(session.data()), QStringLiteral("Удаление рекламы Радио «Европа плюс»"));
    }
    {
      const qint64 journal = session.data().count("Протокол");
      DirectoryWindow groups(session.context(), clientGroupsDirectory());
      input.answers = {QStringLiteral("Оптовики")};
      test::click(&groups, "NewBtn");
      QCOMPARE(session.data().count("Группы"), 1);
      messages.answers = {QMessageBox::Yes};
      test::click(&groups, "DeleteBtn");
      QCOMPARE(messages.last().caption, QStringLiteral("Удаление группы"));
      QCOMPARE(session.data().count("Группы"), 0);
      QCOMPARE(session.data().count("Протокол"), journal);
    }
  }

  void deleteButtonFollowsRights() {
    test::TestSession session(false, {{QStringLiteral("SourceManagerDelete"), false, false}});
    DirectoryWindow window(session.context(), orderSourcesDirectory());
    QVERIFY(window.findChild<QPushButton*>("DeleteBtn")->isHidden());
    QVERIFY(!window.findChild<QPushButton*>("NewBtn")->isHidden());
  }
};

VH_TEST_MAIN(TestDirectoryWindow)
#include "tst_directorywindow.moc"
