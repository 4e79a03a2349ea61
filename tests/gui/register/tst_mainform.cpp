#include "core/db/statement.h"
#include "gui/register/finddialog.h"
#include "gui/register/mainform.h"
#include "gui/register/registermodel.h"
#include "gui/register/registerview.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>

using namespace vh;

namespace {

// A small register: three authors (one coloured), one client, one carrier with two drivers.
struct RegisterFixture {
  test::TestSession session;
  test::TestDatabase& data = session.data();
  qint64 painter = 0;
  qint64 driverA = 0;
  qint64 driverB = 0;

  RegisterFixture() {
    painter = data.exec(QStringLiteral("INSERT INTO Пользователи (ФИО, Логин, Status_ID, Цвет) "
                                       "VALUES ('Петрова А. С.', 'petrova', 1, 'clRed')"));
    data.exec(QStringLiteral("INSERT INTO Клиенты (Организация) VALUES ('ООО «Ромашка»')"));
    data.exec(QStringLiteral("INSERT INTO Заказчики (Клиент_ID, ФИО) VALUES (1, 'Иванов И. И.')"));
    data.exec(QStringLiteral("INSERT INTO Исполнители (Исполнитель) VALUES ('ООО «Трансавто»')"));
    data.exec(QStringLiteral("INSERT INTO Авто (Исполнитель_ID, Марка, Номер, ТипТС_ID) VALUES (1, 'Volvo FH', "
                             "'А123ВС 78', 1)"));
    driverA = data.exec(QStringLiteral("INSERT INTO Водители (Авто_ID, Водитель) VALUES (1, 'Сидоров')"));
    driverB = data.exec(QStringLiteral("INSERT INTO Водители (Авто_ID, Водитель) VALUES (1, 'Кузнецов')"));
  }

  qint64 order(const QString& route, double sum, double clientSum, qint64 creator, qint64 driver, bool done = false,
               const QDateTime& start = QDateTime(QDate(2026, 12, 1), QTime(8, 30))) {
    return data.exec(QStringLiteral("INSERT INTO Заявки (Creator_ID, НачалоЗаказа, ОкончаниеЗаказа, Клиент_ID, "
                                    "Заказчик_ID, ТипТС_ID, Исполнитель_ID, Автомобиль_ID, Водитель_ID, Валюта_ID, "
                                    "Тариф_ID, Маршрут, Сумма, СуммаКлиента, СуммаКлиентаРуб, Прибыль, Done) VALUES "
                                    "(:c, :s, :e, 1, 1, 1, 1, 1, :d, 1, 1, :r, :sum, :cs, :cs, 12.5, :done)"),
                     {{"c", creator},
                      {"s", start},
                      {"e", start.addDays(2)},
                      {"d", driver},
                      {"r", route},
                      {"sum", sum},
                      {"cs", clientSum},
                      {"done", done}});
  }
};

QModelIndex cell(TMainForm& main, qint64 id, int column) {
  auto* proxy = main.grid()->model();
  for (int row = 0; row < proxy->rowCount(); ++row) {
    if (proxy->index(row, 0).data().toString() == QString::number(id))
      return proxy->index(row, column);
  }
  return {};
}

QStringList column(TMainForm& main, int column) {
  QStringList out;
  auto* proxy = main.grid()->model();
  for (int row = 0; row < proxy->rowCount(); ++row)
    out.append(proxy->index(row, column).data().toString());
  return out;
}

} // namespace

class TestMainForm : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void fillsTheRegister() {
    RegisterFixture f;
    const qint64 admin = f.data.adminId();
    const qint64 red = f.order(QStringLiteral("Москва — Рига"), 1200, 1000, f.painter, f.driverA);
    const qint64 covered = f.order(QStringLiteral("Минск — Варшава"), 1200, 1200, admin, f.driverB);
    const qint64 orphan = f.order(QStringLiteral("Рига — Таллин"), 500, 800, admin, f.driverB);
    f.order(QStringLiteral("Архив"), 100, 100, admin, f.driverA, true);
    // A deleted driver must not hide the order.
    f.data.exec(QStringLiteral("DELETE FROM Водители WHERE ID=:id"), {{"id", f.driverB}});

    TMainForm main(f.session.context(), ViewSettings());
    main.reloadRegister(false);
    QCOMPARE(main.grid()->model()->rowCount(), 3);
    QCOMPARE(main.statusText(1), QStringLiteral("Всего активных заказов: 3"));
    QCOMPARE(main.statusText(2), QStringLiteral("Видимых полей: 19"));
    QCOMPARE(main.statusText(3), QStringLiteral("Фильтр не задан"));
    QCOMPARE(main.statusText(5), QStringLiteral("Administrator"));

    QCOMPARE(cell(main, red, RegisterModel::ColStart).data().toString(), QStringLiteral("01.12. — 08:30"));
    QCOMPARE(cell(main, red, RegisterModel::ColSum).data().toString(), QStringLiteral("1200"));
    QCOMPARE(cell(main, red, RegisterModel::ColProfit).data().toString(), QStringLiteral("12,5"));
    QCOMPARE(cell(main, red, RegisterModel::ColPlate).data().toString(), QStringLiteral("А123ВС 78"));
    QCOMPARE(cell(main, orphan, RegisterModel::ColDriver).data().toString(), QString());
    QCOMPARE(cell(main, orphan, RegisterModel::ColRoute).data().toString(), QStringLiteral("Рига — Таллин"));

    // The author's colour paints the whole row; the uncovered amount is red.
    QCOMPARE(cell(main, red, RegisterModel::ColRoute).data(Qt::BackgroundRole).value<QBrush>().color(),
             QColor(Qt::red));
    QVERIFY(!cell(main, covered, RegisterModel::ColRoute).data(Qt::BackgroundRole).isValid());
    QCOMPARE(cell(main, red, RegisterModel::ColClientRub).data(Qt::ForegroundRole).value<QBrush>().color(),
             QColor(Qt::red));
    QVERIFY(!cell(main, covered, RegisterModel::ColClientRub).data(Qt::ForegroundRole).isValid());
    QVERIFY(!cell(main, orphan, RegisterModel::ColClientRub).data(Qt::ForegroundRole).isValid());
  }

  void emptyRegister() {
    RegisterFixture f;
    TMainForm main(f.session.context(), ViewSettings());
    main.reloadRegister(false);
    QCOMPARE(main.grid()->model()->rowCount(), 0);
    QCOMPARE(main.statusText(1), QStringLiteral("Всего активных заказов: 0"));
    QVERIFY(!main.selectedOrder());
  }

  void keepsTheSelectedOrderAcrossReloads() {
    RegisterFixture f;
    const qint64 first = f.order(QStringLiteral("A"), 1, 1, f.painter, f.driverA);
    f.order(QStringLiteral("B"), 1, 1, f.painter, f.driverA);
    const qint64 third = f.order(QStringLiteral("C"), 1, 1, f.painter, f.driverA);
    TMainForm main(f.session.context(), ViewSettings());
    main.reloadRegister(false);
    main.selectOrder(third);
    QCOMPARE(main.grid()->currentIndex().row(), 2);
    f.data.exec(QStringLiteral("DELETE FROM Заявки WHERE ID=:id"), {{"id", first}});
    main.refresh();
    QCOMPARE(main.selectedOrder(), std::optional<qint64>(third));
    QCOMPARE(main.grid()->currentIndex().row(), 1);
    QCOMPARE(main.selectedOrders(), QList<qint64>{third});
    QCOMPARE(main.statusText(4), QStringLiteral("Выделено: 1"));
  }

  void sortsByHeaderClicksInThreeSteps() {
    RegisterFixture f;
    f.order(QStringLiteral("Б"), 30, 0, f.painter, f.driverA);
    f.order(QStringLiteral("В"), 200, 0, f.painter, f.driverA);
    f.order(QStringLiteral("А"), 1000, 0, f.painter, f.driverA);
    TMainForm main(f.session.context(), ViewSettings());
    main.reloadRegister(false);
    QHeaderView* header = main.grid()->horizontalHeader();
    const auto clickHeader = [&](int logical) {
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                        QPoint(header->sectionViewportPosition(logical) + 5, header->height() / 2));
    };
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    clickHeader(RegisterModel::ColSum);
    QCOMPARE(column(main, RegisterModel::ColSum), (QStringList{"30", "200", "1000"})); // numbers, not texts
    clickHeader(RegisterModel::ColSum);
    QCOMPARE(column(main, RegisterModel::ColSum), (QStringList{"1000", "200", "30"}));
    clickHeader(RegisterModel::ColSum);
    QCOMPARE(column(main, RegisterModel::ColRoute), (QStringList{"Б", "В", "А"}));
    clickHeader(RegisterModel::ColRoute);
    QCOMPARE(column(main, RegisterModel::ColRoute), (QStringList{"А", "Б", "В"}));
  }

  void findsCellsAndReportsTheEnd() {
    RegisterFixture f;
    const qint64 a = f.order(QStringLiteral("Москва — Рига"), 1, 1, f.painter, f.driverA);
    f.order(QStringLiteral("Минск — Варшава"), 1, 1, f.painter, f.driverA);
    const qint64 c = f.order(QStringLiteral("рига"), 1, 1, f.painter, f.driverA);
    test::RecordingMessages messages;
    TMainForm main(f.session.context(), ViewSettings());
    main.reloadRegister(false);

    FindRequest request{QStringLiteral("Рига"), false, false, true};
    QVERIFY(main.findNext(request));
    QCOMPARE(main.selectedOrder(), std::optional<qint64>(a));
    QVERIFY(main.findNext(request)); // letter case ignored
    QCOMPARE(main.selectedOrder(), std::optional<qint64>(c));
    QVERIFY(!main.findNext(request));
    QCOMPARE(messages.texts(), QStringList{"Поиск завершен."});
    QCOMPARE(messages.last().caption, QStringLiteral("Verholm International"));
    QCOMPARE(messages.last().icon, QMessageBox::NoIcon);
    QCOMPARE(main.selectedOrder(), std::optional<qint64>(c)); // the selection does not move

    request.forward = false;
    QVERIFY(main.findNext(request));
    QCOMPARE(main.selectedOrder(), std::optional<qint64>(a));

    // Match case and whole cells narrow the search.
    FindRequest exact{QStringLiteral("рига"), true, true, true};
    main.selectOrder(a);
    QVERIFY(main.findNext(exact));
    QCOMPARE(main.selectedOrder(), std::optional<qint64>(c));
    messages.clear();
    QVERIFY(!main.findNext({QStringLiteral("Варшава"), false, true, true}));
    QCOMPARE(messages.texts(), QStringList{"Поиск завершен."});
  }

  void columnMenuShowsAndHidesColumns() {
    RegisterFixture f;
    f.order(QStringLiteral("A"), 1, 1, f.painter, f.driverA);
    TMainForm main(f.session.context(), ViewSettings());
    main.reloadRegister(false);
    for (int n = 0; n < kRegisterColumnCount; ++n)
      main.findChild<QAction*>(QStringLiteral("Col%1").arg(n))->trigger();
    // The grid keeps its last column although its item is unticked.
    QCOMPARE(main.statusText(2), QStringLiteral("Видимых полей: 1"));
    QVERIFY(!main.grid()->isColumnHidden(18));
    QVERIFY(!main.findChild<QAction*>(QStringLiteral("Col18"))->isChecked());
    main.findChild<QAction*>(QStringLiteral("ShowColsAllBtn"))->trigger();
    QCOMPARE(main.statusText(2), QStringLiteral("Видимых полей: 19"));

    main.findChild<QAction*>(QStringLiteral("Col4"))->trigger();
    main.refresh(); // reloads keep the layout
    QVERIFY(main.grid()->isColumnHidden(4));
    QCOMPARE(main.statusText(2), QStringLiteral("Видимых полей: 18"));

    main.findChild<QAction*>(QStringLiteral("BandsShowBtn"))->trigger();
    QVERIFY(!main.grid()->alternatingRowColors());
    QVERIFY(!main.viewSettings().bands);
  }

  void autosizeByWindowSharesTheWidth() {
    RegisterFixture f;
    TMainForm main(f.session.context(), ViewSettings());
    main.reloadRegister(false);
    for (int n = 10; n < kRegisterColumnCount; ++n)
      main.findChild<QAction*>(QStringLiteral("Col%1").arg(n))->trigger();
    main.resize(1200, 700);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.findChild<QAction*>(QStringLiteral("AutosizeByWindow"))->trigger();
    const int expected = main.grid()->viewport()->width() / 10;
    for (int n = 0; n < 9; ++n) {
      QCOMPARE(main.grid()->columnWidth(n), expected);
      QCOMPARE(main.viewSettings().widths[n], expected);
    }
    QCOMPARE(main.viewSettings().widths[12], 0); // hidden columns keep theirs
  }

  void savesViewSettings_data() {
    QTest::addColumn<int>("existingRows");
    QTest::newRow("first time") << 0;
    QTest::newRow("older layout of 37 rows") << 37;
    QTest::newRow("full set updated in place") << 39;
  }
  void savesViewSettings() {
    QFETCH(int, existingRows);
    RegisterFixture f;
    const qint64 admin = f.data.adminId();
    if (existingRows == 39) {
      ViewSettings defaults;
      VH_VERIFY_OK(ViewSettingsRepository(f.data.db()).save(admin, defaults));
    } else {
      for (int i = 0; i < existingRows; ++i)
        f.data.exec(QStringLiteral("INSERT INTO Настройки (User_ID, Параметр, Значение) VALUES (:u, :p, 1)"),
                    {{"u", admin}, {"p", QStringLiteral("ColWidth%1").arg(i % 19)}});
    }
    const qint64 firstIdBefore = f.data.scalar("SELECT Min(ID) FROM Настройки").toLongLong();

    ViewSettings view;
    view.widths[1] = 140;
    TMainForm main(f.session.context(), view);
    main.reloadRegister(false);
    main.findChild<QAction*>(QStringLiteral("Col5"))->trigger();
    main.findChild<QAction*>(QStringLiteral("BandsShowBtn"))->trigger();
    main.show();
    QVERIFY(main.close());

    QCOMPARE(f.data.count("Настройки", "User_ID=:u", {{"u", admin}}), 39);
    QStringList order;
    VH_VERIFY_OK(attempt([&] {
      Statement q(f.data.db(), QStringLiteral("SELECT Параметр, Значение FROM Настройки WHERE User_ID=:u ORDER BY ID"));
      q.bind(QStringLiteral("u"), admin);
      q.exec();
      while (q.next())
        order.append(q.text(QStringLiteral("Параметр")) + u'=' + q.text(QStringLiteral("Значение")));
    }));
    QCOMPARE(order.mid(0, 4), (QStringList{"ColWidth0=0", "ColShow0=1", "ColWidth1=140", "ColShow1=1"}));
    QVERIFY(order.contains(QStringLiteral("ColShow5=0")));
    QCOMPARE(order.last(), QStringLiteral("BandsShow=0"));
    if (existingRows == 39)
      QCOMPARE(f.data.scalar("SELECT Min(ID) FROM Настройки").toLongLong(), firstIdBefore);

    // The next login brings the layout back.
    const auto loaded = ViewSettingsRepository(f.data.db()).load(admin);
    VH_VERIFY_OK(loaded);
    QVERIFY(!loaded->shown[5]);
    QCOMPARE(loaded->widths[1], 140);
    QVERIFY(!loaded->bands);
  }

  void failedSaveKeepsTheWindowOpen() {
    RegisterFixture f;
    test::RecordingMessages messages;
    TMainForm main(f.session.context(), ViewSettings());
    main.show();
    f.data.exec(QStringLiteral("DROP TABLE Настройки"));
    QVERIFY(!main.close());
    QVERIFY(main.isVisible());
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.last().text.contains(QStringLiteral("Настройки")));
  }
};

VH_TEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
