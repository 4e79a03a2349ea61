#include "core/common/clock.h"
#include "gui/register/filterform.h"
#include "gui/register/mainform.h"
#include "gui/register/registermodel.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>

#include <functional>

using namespace vh;

namespace {

const QDate kToday(2026, 12, 11);

template <typename T> T* control(QWidget* window, const char* name) {
  T* found = window->findChild<T*>(QLatin1String(name));
  if (!found)
    qFatal("no control %s", name);
  return found;
}
QComboBox* combo(QWidget* w, const char* name) {
  return control<QComboBox>(w, name);
}
QCheckBox* box(QWidget* w, const char* name) {
  return control<QCheckBox>(w, name);
}
QLineEdit* edit(QWidget* w, const char* name) {
  return control<QLineEdit>(w, name);
}
void click(QWidget* w, const char* name) {
  control<QPushButton>(w, name)->click();
}
void choose(QWidget* w, const char* name, const QString& text) {
  QComboBox* list = combo(w, name);
  list->setCurrentIndex(list->findText(text));
  QVERIFY2(list->currentIndex() >= 0, qPrintable(text));
}

const char* const kNumberBoxes[] = {"Begin_ID", "End_ID", "BeginSumm", "EndSumm"};
const char* const kChoiceLists[] = {"Username", "Source", "Group", "Command"};
const char* const kTypedLists[] = {"AutoNumber", "AutoName", "Client", "ClientFace", "Worker", "Driver"};

// A register of three orders: two active, one archived (by another author).
class Fixture final {
public:
  Fixture() {
    Clock::setNow([] { return QDateTime(kToday, QTime(10, 0)); });
    data().exec("INSERT INTO Пользователи (ФИО, Логин, Status_ID) VALUES ('Петров П.', 'petrov', 1)");
    data().exec("INSERT INTO Группы (Наименование) VALUES ('Постоянные')");
    data().exec("INSERT INTO Реклама (Наименование) VALUES ('Газета')");
    data().exec("INSERT INTO Реклама (Наименование) VALUES ('Интернет')");
    data().exec("INSERT INTO Диспетчеры (ФИО) VALUES ('Орлов')");
    data().exec("INSERT INTO Клиенты (Организация) VALUES ('ООО «Альфа»')");
    data().exec("INSERT INTO Авто (Марка, Номер) VALUES ('Volvo', 'А123ВС77')");
    const qint64 admin = data().adminId();
    for (const bool done : {false, false, true})
      data().exec("INSERT INTO Заявки (Creator_ID, Done, Маршрут) VALUES (:u, :d, 'Москва — Рига')",
                  {{"u", admin}, {"d", done}});
  }
  ~Fixture() { Clock::reset(); }

  test::TestDatabase& data() { return session.data(); }

  test::TestSession session;
  test::RecordingMessages messages;
};

} // namespace

class TestFilterForm : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void startsAndResetsAsDesigned() {
    Fixture fixture;
    TFilterForm form(fixture.session.context());
    VH_VERIFY_OK(form.refreshLists());
    form.show();

    auto verifyBoxes = [&] {
      for (const char* name : kNumberBoxes)
        QCOMPARE(edit(&form, name)->text(), QStringLiteral("0"));
      for (const char* name : {"BeginRegDate", "EndRegDate", "BeginStartDate", "EndStartDate"})
        QCOMPARE(control<QDateEdit>(&form, name)->date(), kToday);
      for (const char* name : {"BeginRegTime", "BeginStartTime"})
        QCOMPARE(control<QTimeEdit>(&form, name)->time(), QTime(0, 0, 0));
      for (const char* name : {"EndRegTime", "EndStartTime"})
        QCOMPARE(control<QTimeEdit>(&form, name)->time(), QTime(23, 59, 59));
      for (QCheckBox* criterion : form.findChildren<QCheckBox*>())
        QVERIFY2(!criterion->isChecked(), qPrintable(criterion->objectName()));
      for (const char* name : kChoiceLists)
        QCOMPARE(combo(&form, name)->currentIndex(), -1);
      QCOMPARE(combo(&form, "Nal")->currentText(), QStringLiteral("Наличный"));
      QVERIFY(control<QWidget>(&form, "Blocked")->isVisible());
      QVERIFY(!control<QWidget>(&form, "SpecCombo")->isVisible());
      // Nothing narrows the register: the controls wait for their boxes.
      QVERIFY(!combo(&form, "Username")->isEnabled());
      QVERIFY(!edit(&form, "Begin_ID")->isEnabled());
      QCOMPARE(form.windowTitle(), QStringLiteral("Фильтр"));
    };
    verifyBoxes();
    QCOMPARE(combo(&form, "Status")->currentIndex(), -1);
    QCOMPARE(form.focusWidget(), control<QWidget>(&form, "ApplyBtn"));

    // Change everything, then go back to the defaults.
    for (QCheckBox* criterion : form.findChildren<QCheckBox*>())
      criterion->setChecked(true);
    QVERIFY(combo(&form, "Username")->isEnabled());
    for (const char* name : kNumberBoxes)
      edit(&form, name)->setText(QStringLiteral("7"));
    control<QDateEdit>(&form, "BeginRegDate")->setDate(kToday.addDays(-3));
    control<QTimeEdit>(&form, "EndStartTime")->setTime(QTime(12, 0));
    choose(&form, "Username", "petrov");
    choose(&form, "Source", "Реклама");
    choose(&form, "Group", "Постоянные");
    choose(&form, "Command", "Рефрижератор");
    choose(&form, "Status", "Архивный");
    choose(&form, "Nal", "Безналичный");
    for (const char* name : kTypedLists)
      combo(&form, name)->setEditText(QStringLiteral("текст"));
    edit(&form, "RouteKeyword")->setText(QStringLiteral("Рига"));

    click(&form, "DefaultBtn");
    QVERIFY(form.isVisible());
    verifyBoxes();
    QCOMPARE(combo(&form, "Status")->currentText(), QStringLiteral("Активный"));
    for (const char* name : kTypedLists)
      QCOMPARE(combo(&form, name)->currentText(), QString());
    QCOMPARE(edit(&form, "RouteKeyword")->text(), QString());
    QVERIFY(fixture.messages.shown.isEmpty());
  }

  void readsTheTickedCriteria() {
    Fixture fixture;
    TFilterForm form(fixture.session.context());
    VH_VERIFY_OK(form.refreshLists());
    QVERIFY(!form.criteria().numbers && !form.criteria().status && !form.criteria().payment);

    for (const char* name : {"IDFilter", "RegPeriodFilter", "StatusFilter", "SourceFilter", "ClientFilter",
                             "SummFilter", "NalFilter", "UsernameFilter"})
      box(&form, name)->setChecked(true);
    edit(&form, "End_ID")->clear();
    edit(&form, "Begin_ID")->setText(QStringLiteral("12"));
    edit(&form, "BeginSumm")->clear();
    edit(&form, "EndSumm")->setText(QStringLiteral("1500"));
    control<QTimeEdit>(&form, "EndRegTime")->setTime(QTime(18, 30));
    choose(&form, "Status", "Все");
    choose(&form, "Source", "Диспетчер");
    choose(&form, "SpecCombo", "Орлов");
    choose(&form, "Nal", "Безналичный");
    combo(&form, "Client")->setEditText(QStringLiteral("O'Brien"));

    const OrderFilter f = form.criteria();
    QVERIFY(f.numbers);
    QCOMPARE(f.numbers->from, std::optional<qint64>(12));
    QVERIFY(!f.numbers->to);
    QVERIFY(f.amount && !f.amount->from);
    QCOMPARE(f.amount->to, std::optional<double>(1500));
    QVERIFY(f.registered);
    QCOMPARE(f.registered->from, std::optional<QDateTime>(QDateTime(kToday, QTime(0, 0))));
    // The time boxes show minutes: the period's last minute counts in full.
    QCOMPARE(f.registered->to, std::optional<QDateTime>(QDateTime(kToday, QTime(18, 30, 59))));
    QCOMPARE(f.status, std::optional(OrderFilter::Status::Any));
    QCOMPARE(f.source, std::optional<QString>(QStringLiteral("Диспетчер")));
    QCOMPARE(f.sourceDetail, QStringLiteral("Орлов"));
    QCOMPARE(f.payment, std::optional(OrderFilter::Payment::Cashless));
    QCOMPARE(f.client, std::optional<QString>(QStringLiteral("O'Brien")));
    // A choice ticked without an entry compares with an empty name.
    QCOMPARE(f.authorLogin, std::optional<QString>(QString()));
    QVERIFY(!f.started && !f.group && !f.routeKeyword && !f.make);
  }

  void secondListFollowsTheSource_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("advert") << "Реклама"
                            << "Вид рекламы:" << QStringList{"Газета", "Интернет"};
    QTest::newRow("dispatcher") << "Диспетчер"
                                << "ФИО диспетчера:" << QStringList{"Орлов"};
    QTest::newRow("other source") << "Постоянный клиент" << QString() << QStringList{};
  }
  void secondListFollowsTheSource() {
    QFETCH(QString, source);
    QFETCH(QString, caption);
    QFETCH(QStringList, entries);
    Fixture fixture;
    TFilterForm form(fixture.session.context());
    VH_VERIFY_OK(form.refreshLists());
    form.show();
    choose(&form, "Source", "Реклама");
    choose(&form, "SpecCombo", "Газета");
    choose(&form, "Source", source);

    QComboBox* second = combo(&form, "SpecCombo");
    QCOMPARE(control<QWidget>(&form, "Blocked")->isVisible(), entries.isEmpty());
    QCOMPARE(second->isVisible(), !entries.isEmpty());
    if (!entries.isEmpty())
      QCOMPARE(control<QLabel>(&form, "SpecLabel")->text(), caption);
    QStringList shown;
    for (int i = 0; i < second->count(); ++i)
      shown.append(second->itemText(i));
    QCOMPARE(shown, entries);
    // Another source's entry is never carried over.
    QCOMPARE(second->currentIndex(), source == u"Реклама" ? 0 : -1);
  }

  // Entries added between two openings never change what was chosen or typed.
  void refreshKeepsChoicesByText() {
    Fixture fixture;
    TFilterForm form(fixture.session.context());
    VH_VERIFY_OK(form.refreshLists());
    choose(&form, "Username", "petrov");
    choose(&form, "Group", "Постоянные");
    choose(&form, "Command", "Рефрижератор");
    choose(&form, "Source", "Реклама");
    choose(&form, "SpecCombo", "Интернет");
    combo(&form, "Client")->setEditText(QStringLiteral("альф"));
    combo(&form, "AutoName")->setEditText(QStringLiteral("vol"));

    // Each new entry sorts first, moving the chosen one down.
    fixture.data().exec("INSERT INTO Пользователи (ФИО, Логин, Status_ID) VALUES ('А', 'aaa', 1)");
    fixture.data().exec("INSERT INTO Группы (Наименование) VALUES ('Агенты')");
    fixture.data().exec("INSERT INTO ТС (Наименование) VALUES ('Автобус')");
    fixture.data().exec("INSERT INTO Реклама (Наименование) VALUES ('Афиша')");
    fixture.data().exec("INSERT INTO Клиенты (Организация) VALUES ('АБВ')");
    VH_VERIFY_OK(form.refreshLists());

    QCOMPARE(combo(&form, "Username")->currentText(), QStringLiteral("petrov"));
    QCOMPARE(combo(&form, "Username")->itemText(0), QStringLiteral("aaa"));
    QCOMPARE(combo(&form, "Group")->currentText(), QStringLiteral("Постоянные"));
    QCOMPARE(combo(&form, "Command")->currentText(), QStringLiteral("Рефрижератор"));
    QCOMPARE(combo(&form, "Source")->currentText(), QStringLiteral("Реклама"));
    QCOMPARE(combo(&form, "SpecCombo")->currentText(), QStringLiteral("Интернет"));
    QCOMPARE(combo(&form, "SpecCombo")->count(), 3);
    QCOMPARE(combo(&form, "Client")->currentText(), QStringLiteral("альф"));
    QCOMPARE(combo(&form, "Client")->count(), 2);
    QCOMPARE(combo(&form, "AutoName")->currentText(), QStringLiteral("vol"));

    // A chosen entry deleted meanwhile leaves nothing chosen.
    fixture.data().exec("DELETE FROM Группы WHERE Наименование='Постоянные'");
    VH_VERIFY_OK(form.refreshLists());
    QCOMPARE(combo(&form, "Group")->currentIndex(), -1);
  }

  void appliesCancelsAndKeepsTheFilter() {
    Fixture fixture;
    TMainForm main(fixture.session.context(), ViewSettings());
    main.reloadRegister(false);
    QCOMPARE(main.registerModel()->rowCount(), 2);

    openFilter(main, [](TFilterForm* form) {
      box(form, "StatusFilter")->setChecked(true);
      choose(form, "Status", "Архивный");
      click(form, "ApplyBtn");
    });
    QVERIFY(main.filterOn());
    QCOMPARE(main.registerModel()->rowCount(), 1);
    QCOMPARE(main.registerModel()->rowAt(0).id, 3);
    QCOMPARE(main.statusText(3), QStringLiteral("Отобрано заказов: 1"));
    QCOMPARE(main.findChild<QLabel*>("FilterIcon")->property("filtered").toBool(), true);

    // The criteria are still there; "Отмена" switches the filter off but
    // leaves the grid until the next reload.
    openFilter(main, [](TFilterForm* form) {
      QVERIFY(box(form, "StatusFilter")->isChecked());
      QCOMPARE(combo(form, "Status")->currentText(), QStringLiteral("Архивный"));
      click(form, "CancelBtn");
    });
    QVERIFY(!main.filterOn());
    QCOMPARE(main.registerModel()->rowCount(), 1);
    main.findChild<QAction*>("RefreshBtn")->trigger();
    QCOMPARE(main.registerModel()->rowCount(), 2);
    QCOMPARE(main.statusText(3), QStringLiteral("Фильтр не задан"));

    // No criterion at all: the whole register, the archive included.
    openFilter(main, [](TFilterForm* form) {
      click(form, "DefaultBtn");
      click(form, "ApplyBtn");
    });
    QCOMPARE(main.registerModel()->rowCount(), 3);
    QCOMPARE(main.statusText(3), QStringLiteral("Отобрано заказов: 3"));

    main.findChild<QAction*>("DelFilterBtn")->trigger();
    QVERIFY(!main.filterOn());
    QCOMPARE(main.registerModel()->rowCount(), 2);
    QCOMPARE(main.findChild<QLabel*>("FilterIcon")->property("filtered").toBool(), false);
    QVERIFY2(fixture.messages.shown.isEmpty(), qPrintable(fixture.messages.texts().join('\n')));
  }

  // The close button changes nothing about the filter state: an applied filter
  // is rebuilt from the window as it is, an off filter stays off.
  void closeButtonKeepsTheState() {
    Fixture fixture;
    TMainForm main(fixture.session.context(), ViewSettings());
    main.reloadRegister(false);
    openFilter(main, [](TFilterForm* form) {
      box(form, "StatusFilter")->setChecked(true);
      choose(form, "Status", "Архивный");
      click(form, "ApplyBtn");
    });
    QCOMPARE(main.registerModel()->rowCount(), 1);

    openFilter(main, [](TFilterForm* form) {
      choose(form, "Status", "Активный");
      form->close();
    });
    QVERIFY(main.filterOn());
    QCOMPARE(main.registerModel()->rowCount(), 2);
    QCOMPARE(main.statusText(3), QStringLiteral("Отобрано заказов: 2"));

    // Esc is "Отмена".
    openFilter(main, [](TFilterForm* form) { QTest::keyClick(form, Qt::Key_Escape); });
    QVERIFY(!main.filterOn());

    openFilter(main, [](TFilterForm* form) {
      choose(form, "Status", "Все");
      form->close();
    });
    QVERIFY(!main.filterOn());
    QCOMPARE(main.registerModel()->rowCount(), 2);
    QCOMPARE(main.statusText(3), QStringLiteral("Отобрано заказов: 2"));
  }

  void menuOffersTheFilterCommands() {
    Fixture fixture;
    TMainForm main(fixture.session.context(), ViewSettings());
    const auto service = main.findChild<QMenu*>("ServiceSubBtn")->actions();
    QCOMPARE(service.at(0)->objectName(), QStringLiteral("FilterBtn"));
    QCOMPARE(service.at(0)->text(), QStringLiteral("Фильтр..."));
    QCOMPARE(service.at(1)->objectName(), QStringLiteral("DelFilterBtn"));
    QCOMPARE(service.at(1)->text(), QStringLiteral("Удалить фильтр"));
    QVERIFY(service.at(2)->isSeparator());
    QCOMPARE(service.at(3)->objectName(), QStringLiteral("RefreshBtn"));
  }

private:
  // Runs "Фильтр..." and lets act work the modal window; fails instead of
  // hanging when act leaves it open.
  void openFilter(TMainForm& main, const std::function<void(TFilterForm*)>& act) {
    auto* form = main.findChild<TFilterForm*>();
    QVERIFY(form);
    bool leftOpen = false;
    QTimer::singleShot(0, form, [&] {
      act(form);
      if (form->isVisible()) {
        leftOpen = true;
        form->done(QDialog::Rejected);
      }
    });
    main.findChild<QAction*>("FilterBtn")->trigger();
    QVERIFY(!leftOpen);
  }
};

VH_TEST_MAIN(TestFilterForm)
#include "tst_filterform.moc"
