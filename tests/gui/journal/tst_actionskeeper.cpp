#include "gui/journal/actionskeeperform.h"
#include "gui/journal/filterokform.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

using namespace vh;

namespace {

struct JournalFixture {
  test::TestSession session;
  test::TestDatabase& data = session.data();
  qint64 petr = 0;
  qint64 petrova = 0;
  qint64 quoted = 0;

  explicit JournalFixture(bool grantOthers) : session(false, rightsFor(grantOthers)) {
    // The users must exist with the IDs the rights name: 2, 3, 4, 5.
    petr = data.exec(QStringLiteral("INSERT INTO Пользователи (ФИО, Логин, Status_ID) VALUES ('Пётр', 'petr', 1)"));
    petrova =
        data.exec(QStringLiteral("INSERT INTO Пользователи (ФИО, Логин, Status_ID) VALUES ('Петрова', 'petrova', 1)"));
    quoted =
        data.exec(QStringLiteral("INSERT INTO Пользователи (ФИО, Логин, Status_ID) VALUES ('О''Нил', 'o''neil', 1)"));
    data.exec(QStringLiteral("INSERT INTO Пользователи (ФИО, Логин, Status_ID) VALUES ('Скрытый', 'hidden', 1)"));
    entry("2026-11-02 09:00:00", "Administrator", "Вход в программу");
    entry("2026-11-20 10:00:00", "petr", "Создание заказа № 1");
    entry("2026-12-05 11:00:00", "petrova", "Редактирование заказа № 1", "Маршрут: Москва >> Рига");
    entry("2026-12-06 12:00:00", "o'neil", "Создание Клиента ООО «Ромашка»");
    entry("2026-12-07 13:00:00", "hidden", "Удаление заказа № 1");
  }

  static QList<PermissionRow> rightsFor(bool grantOthers) {
    if (!grantOthers)
      return {};
    return {{QStringLiteral("#2"), true, false},
            {QStringLiteral("#3"), true, false},
            {QStringLiteral("#4"), true, false},
            {QStringLiteral("#5"), false, true}};
  }

  void entry(const char* moment, const char* login, const char* action, const char* detail = "") {
    data.exec(QStringLiteral("INSERT INTO Протокол (ДатаВремя, Логин, Действие, Детализация) VALUES (:t, :l, :a, :d)"),
              {{"t", QString::fromLatin1(moment)},
               {"l", QString::fromUtf8(login)},
               {"a", QString::fromUtf8(action)},
               {"d", QString::fromUtf8(detail)}});
  }
};

QStringList actions(TActionsKeeperForm& form) {
  auto* view = form.findChild<QTableView*>("Actions");
  QStringList out;
  for (int row = 0; row < view->model()->rowCount(); ++row)
    out.append(view->model()->index(row, 3).data().toString());
  return out;
}

// Sets the filter window when it opens modally and presses one of its buttons.
void answerFilter(const QDate& from, const QDate& to, const QString& login, const char* button = "ApplyBtn") {
  QTimer::singleShot(0, [=] {
    auto* form = qobject_cast<TFilterokForm*>(QApplication::activeModalWidget());
    QVERIFY(form);
    form->findChild<QCalendarWidget*>("BeginDate")->setSelectedDate(from);
    form->findChild<QCalendarWidget*>("EndDate")->setSelectedDate(to);
    auto* logins = form->findChild<QComboBox*>("Login");
    logins->setCurrentIndex(logins->findText(login));
    form->findChild<QPushButton*>(QLatin1String(button))->click();
  });
}

} // namespace

class TestActionsKeeper : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void showsOnlyOwnEntriesWithoutJournalRights() {
    JournalFixture f(false);
    TActionsKeeperForm form(f.session.context());
    QCOMPARE(form.windowTitle(), QStringLiteral("Журнал действий"));
    QCOMPARE(actions(form), QStringList{"Вход в программу"});
  }

  void showsGrantedUsersNewestFirst() {
    JournalFixture f(true);
    TActionsKeeperForm form(f.session.context());
    QCOMPARE(actions(form), (QStringList{"Создание Клиента ООО «Ромашка»", "Редактирование заказа № 1",
                                         "Создание заказа № 1", "Вход в программу"}));
    auto* view = form.findChild<QTableView*>("Actions");
    QVERIFY(view->isColumnHidden(0));
    QCOMPARE(view->model()->index(0, 1).data().toString(), QStringLiteral("06.12.2026 12:00:00"));
    QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Дата/время"));
    // The filter window starts at the first and last entry, with every visible login to choose from.
    auto* filter = form.filterForm();
    QCOMPARE(filter->findChild<QCalendarWidget*>("BeginDate")->selectedDate(), QDate(2026, 11, 2));
    QCOMPARE(filter->findChild<QCalendarWidget*>("EndDate")->selectedDate(), QDate(2026, 12, 7));
    auto* logins = filter->findChild<QComboBox*>("Login");
    QStringList choices;
    for (int i = 0; i < logins->count(); ++i)
      choices.append(logins->itemText(i));
    QCOMPARE(choices, (QStringList{"", "petr", "petrova", "o'neil", "Administrator"}));
  }

  void filtersByPeriodAndLogin() {
    JournalFixture f(true);
    TActionsKeeperForm form(f.session.context());

    answerFilter(QDate(2026, 12, 1), QDate(2026, 12, 5), QString());
    form.FilterBtnClick();
    QCOMPARE(actions(form), QStringList{"Редактирование заказа № 1"}); // the last day counts whole

    // A login also finds the longer logins that contain it.
    answerFilter(QDate(2026, 11, 1), QDate(2026, 12, 31), QStringLiteral("petr"));
    form.FilterBtnClick();
    QCOMPARE(actions(form), (QStringList{"Редактирование заказа № 1", "Создание заказа № 1"}));

    answerFilter(QDate(2026, 11, 1), QDate(2026, 12, 31), QStringLiteral("o'neil"));
    form.FilterBtnClick();
    QCOMPARE(actions(form), QStringList{"Создание Клиента ООО «Ромашка»"});

    answerFilter(QDate(2025, 1, 1), QDate(2025, 1, 31), QString());
    form.FilterBtnClick();
    QVERIFY(actions(form).isEmpty());

    // "Закрыть" changes nothing.
    answerFilter(QDate(2026, 11, 1), QDate(2026, 12, 31), QString(), "CancelBtn");
    form.FilterBtnClick();
    QVERIFY(actions(form).isEmpty());

    form.findChild<QPushButton*>("DeleteFilterBtn")->click();
    QCOMPARE(actions(form).size(), 4);
  }

  void showsAnEntrysDetail() {
    JournalFixture f(true);
    test::RecordingMessages messages;
    TActionsKeeperForm form(f.session.context());
    auto* view = form.findChild<QTableView*>("Actions");
    view->setCurrentIndex(view->model()->index(1, 1));
    form.findChild<QPushButton*>("DetailsBtn")->click();
    view->setCurrentIndex(view->model()->index(2, 1));
    form.findChild<QPushButton*>("DetailsBtn")->click();
    QCOMPARE(messages.texts(), (QStringList{"Маршрут: Москва >> Рига", "Действие не содержит детализации."}));
    QCOMPARE(messages.last().caption, QStringLiteral("Verholm International"));
    QCOMPARE(messages.last().icon, QMessageBox::NoIcon);
  }
};

VH_TEST_MAIN(TestActionsKeeper)
#include "tst_actionskeeper.moc"
