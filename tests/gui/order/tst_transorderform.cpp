#include "core/common/clock.h"
#include "core/journal/journalwriter.h"
#include "core/order/orderrepository.h"
#include "gui/common/comboutil.h"
#include "gui/order/transorderform.h"
#include "support/fakes.h"
#include "support/orderfixture.h"
#include "support/scriptedrates.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>

using namespace vh;

namespace {

const QDateTime kNow(QDate(2026, 3, 2), QTime(9, 41, 27));
using Fixture = test::OrderFixture;

QString u8(const char* text) {
  return QString::fromUtf8(text);
}

// The editor on a small directory set, with recorded messages and a scripted
// rate service.
struct Editor {
  explicit Editor(const QList<PermissionRow>& rights = {}) : session(false, rights), fixture(session.data()) {
    auto source = std::make_unique<test::ScriptedRates>();
    rates = source.get();
    session.context().setRateSource(std::move(source));
    form = std::make_unique<TTransOrderForm>(session.context());
  }

  template <typename T> T* get(const char* name) const {
    T* control = form->findChild<T*>(QLatin1String(name));
    if (!control)
      qFatal("no control %s", name);
    return control;
  }
  QComboBox* combo(const char* name) const { return get<QComboBox>(name); }
  QDoubleSpinBox* money(const char* name) const { return get<QDoubleSpinBox>(name); }
  // Shown on its page, whichever page is current.
  bool shown(const char* name) const {
    QWidget* widget = get<QWidget>(name);
    for (const char* page : {"OrderSheet", "PaymentSheet"}) {
      if (get<QWidget>(page)->isAncestorOf(widget))
        return widget->isVisibleTo(get<QWidget>(page));
    }
    return widget->isVisibleTo(form.get());
  }
  void choose(const char* combo, const QString& text) const {
    if (!selectComboText(this->combo(combo), text))
      qFatal("no entry %s in %s", qPrintable(text), combo);
  }
  QTableWidgetItem* tick(int row) const { return get<QTableWidget>("Grid")->item(row, 1); }
  int expenseRow(const QString& name) const {
    auto* grid = get<QTableWidget>("Grid");
    for (int row = 0; row < grid->rowCount(); ++row) {
      if (grid->item(row, 2)->text() == name)
        return row;
    }
    qFatal("no expense %s", qPrintable(name));
  }
  QString page() const { return get<QTabWidget>("PageControl")->currentWidget()->objectName(); }

  // Every required field of a new order, in roubles.
  void fillNewOrder() const {
    choose("ClientName", u8(Fixture::kClient));
    choose("ClientFaceCombo", u8(Fixture::kCustomer));
    choose("AutoType", u8(Fixture::kVehicleType));
    get<QLineEdit>("Route")->setText(QStringLiteral("Москва — Берлин"));
    get<QLineEdit>("FREIGHT")->setText(QStringLiteral("Мебель, 12 т"));
    choose("WorkerName", u8(Fixture::kCarrier));
    choose("AutoCombo", u8(Fixture::kVehicle));
    choose("DriverCombo", u8(Fixture::kDriver));
    choose("WorkerManagerCombo", u8(Fixture::kManager));
    choose("OrderSourceCombo", QStringLiteral("Постоянный клиент"));
    choose("CurrencyType", QStringLiteral("Рубль"));
    combo("CashType")->setCurrentIndex(1);
    choose("Tarif", u8(Fixture::kTariff));
  }

  // A stored order to load, saved through the repository.
  qint64 storeOrder(const OrderInput& order) {
    JournalWriter journal(session.db(), QStringLiteral("Administrator"));
    const auto id = OrderRepository(session.db()).insert(order, session.data().adminId(), journal);
    if (!id)
      qFatal("%s", qPrintable(id.error().text));
    return *id;
  }

  QVariant column(qint64 id, const QString& column) {
    return session.data().scalar(QStringLiteral("SELECT %1 FROM Заявки WHERE ID=:id").arg(column), {{"id", id}});
  }
  QString lastAction() {
    return session.data().scalar("SELECT Действие FROM Протокол ORDER BY ID DESC LIMIT 1").toString();
  }
  QString lastDetail() {
    return session.data().scalar("SELECT Детализация FROM Протокол ORDER BY ID DESC LIMIT 1").toString();
  }
  // Presses the save button and reports whether the window accepted.
  bool save() const {
    form->setResult(QDialog::Rejected);
    get<QPushButton>("OKBtn")->click();
    return form->result() == QDialog::Accepted;
  }

  test::TestSession session;
  Fixture fixture;
  test::ScriptedRates* rates = nullptr;
  test::RecordingMessages messages;
  std::unique_ptr<TTransOrderForm> form;
};

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestTransOrderForm : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void init() {
    Clock::setNow([] { return kNow; });
  }
  void cleanup() { Clock::reset(); }

  void newOrderStartsEmptyWithFreshLists() {
    Editor e;
    e.storeOrder(e.fixture.order());
    QVERIFY(e.form->prepareNewOrder());
    QCOMPARE(e.form->windowTitle(), QStringLiteral("Создание заказа"));
    QCOMPARE(e.get<QPushButton>("OKBtn")->text(), QStringLiteral("Создать"));
    QVERIFY(e.form->insertsOnSave());
    QCOMPARE(e.page(), QStringLiteral("OrderSheet"));
    // Sorted clients, sources in their own order, nothing chosen.
    QCOMPARE(e.combo("ClientName")->itemText(0), u8(Fixture::kOtherClient));
    QCOMPARE(e.combo("ClientName")->currentIndex(), -1);
    QCOMPARE(e.combo("OrderSourceCombo")->itemText(0), QStringLiteral("Реклама"));
    QCOMPARE(e.combo("ClientFaceCombo")->count(), 0);
    QCOMPARE(e.combo("AutoCombo")->count(), 0);
    QVERIFY(e.shown("Blocked"));
    QVERIFY(!e.shown("SpecCombo"));
    QVERIFY(!e.shown("GoToDone"));
    QCOMPARE(e.get<QLabel>("TotalTime")->text(), QStringLiteral("Не определено"));
    QCOMPARE(e.get<QDateEdit>("StartDate")->date(), kNow.date());
    QCOMPARE(e.get<QTimeEdit>("EndTime")->time(), QTime(9, 41));
    QCOMPARE(e.get<QLineEdit>("Route")->text(), QString());
    // Earlier values complete what is typed; they are read when the field is
    // first entered after the window was prepared.
    QFocusEvent focusIn(QEvent::FocusIn);
    const auto enterRoute = [&] { QApplication::sendEvent(e.get<QLineEdit>("Route"), &focusIn); };
    const auto* routes = qobject_cast<QStringListModel*>(e.get<QLineEdit>("Route")->completer()->model());
    const auto* cargo = qobject_cast<QStringListModel*>(e.get<QLineEdit>("FREIGHT")->completer()->model());
    enterRoute();
    QCOMPARE(routes->stringList(), QStringList{QStringLiteral("Москва — Берлин")});
    QCOMPARE(cargo->stringList(), QStringList());
    OrderInput other = e.fixture.order();
    other.route = QStringLiteral("Рига — Таллин");
    e.storeOrder(other);
    enterRoute();
    QCOMPARE(routes->stringList().size(), 1);
    QVERIFY(e.form->prepareNewOrder());
    enterRoute();
    QCOMPARE(routes->stringList().size(), 2);
    // The money page: active expense kinds, nothing chosen, no amounts.
    QCOMPARE(e.get<QTableWidget>("Grid")->rowCount(), 2);
    QCOMPARE(e.combo("CurrencyType")->currentIndex(), -1);
    QCOMPARE(e.combo("CashType")->currentIndex(), -1);
    QCOMPARE(e.combo("CashType")->itemText(1), QStringLiteral("Безналичный"));
    QCOMPARE(e.money("Summ")->value(), 0.0);
    QCOMPARE(e.money("Summ")->suffix(), QString());
    QVERIFY(!e.shown("ClientDatePanel"));
    QVERIFY(!e.shown("MustSumm"));
  }

  void lookupsCascade() {
    Editor e;
    QVERIFY(e.form->prepareNewOrder());
    e.choose("ClientName", u8(Fixture::kClient));
    QCOMPARE(e.combo("ClientFaceCombo")->count(), 1);
    QCOMPARE(e.combo("ClientFaceCombo")->currentIndex(), -1);
    QCOMPARE(e.combo("ClientName")->toolTip(), QStringLiteral("ИНН 7701000001"));
    e.choose("ClientFaceCombo", u8(Fixture::kCustomer));
    QCOMPARE(e.combo("ClientFaceCombo")->toolTip(), QStringLiteral("+7 495 111-11-11"));
    e.choose("ClientName", u8(Fixture::kOtherClient));
    QCOMPARE(e.combo("ClientFaceCombo")->itemText(0), u8(Fixture::kOtherCustomer));
    QCOMPARE(e.combo("ClientFaceCombo")->currentIndex(), -1);

    e.choose("WorkerName", u8(Fixture::kCarrier));
    QCOMPARE(e.combo("WorkerName")->toolTip(), QStringLiteral("Телефон: 111-11-11\nФакс: 111-11-12"));
    QCOMPARE(e.combo("AutoCombo")->count(), 2);
    QCOMPARE(e.combo("AutoCombo")->itemText(0), u8(Fixture::kOtherVehicle)); // sorted
    e.choose("AutoCombo", u8(Fixture::kVehicle));
    QCOMPARE(e.combo("DriverCombo")->count(), 1);
    e.choose("DriverCombo", u8(Fixture::kDriver));
    QCOMPARE(e.combo("DriverCombo")->toolTip(), QStringLiteral("+7 921 000-00-01"));
    e.choose("WorkerManagerCombo", u8(Fixture::kManager));
    QCOMPARE(e.combo("WorkerManagerCombo")->toolTip(), QStringLiteral("+7 812 000-00-03"));
    // Another vehicle empties the drivers; another carrier empties all three lists.
    e.choose("AutoCombo", u8(Fixture::kOtherVehicle));
    QCOMPARE(e.combo("DriverCombo")->currentIndex(), -1);
    QCOMPARE(e.combo("DriverCombo")->itemText(0), u8(Fixture::kOtherDriver));
    e.choose("WorkerName", u8(Fixture::kOtherCarrier));
    QCOMPARE(e.combo("AutoCombo")->count(), 0);
    QCOMPARE(e.combo("DriverCombo")->count(), 0);
    QCOMPARE(e.combo("WorkerManagerCombo")->count(), 1);
    QCOMPARE(e.combo("WorkerManagerCombo")->currentIndex(), -1);
  }

  void sourceOffersChannelsOrDispatchers() {
    Editor e;
    QVERIFY(e.form->prepareNewOrder());
    e.choose("OrderSourceCombo", QStringLiteral("Реклама"));
    QCOMPARE(e.get<QLabel>("SpecLabel")->text(), QStringLiteral("Вид рекламы:"));
    QCOMPARE(e.combo("SpecCombo")->itemText(0), u8(Fixture::kAdChannel));
    QVERIFY(e.shown("SpecCombo"));
    QVERIFY(!e.shown("Blocked"));
    e.choose("OrderSourceCombo", QStringLiteral("Диспетчер"));
    QCOMPARE(e.get<QLabel>("SpecLabel")->text(), QStringLiteral("ФИО диспетчера:"));
    QCOMPARE(e.combo("SpecCombo")->itemText(0), u8(Fixture::kDispatcher));
    e.choose("OrderSourceCombo", QStringLiteral("Рекомендация"));
    QVERIFY(e.shown("Blocked"));
    QVERIFY(!e.shown("SpecCombo"));
    QCOMPARE(e.get<QLabel>("Blocked")->text(), QStringLiteral("Нет полей для дополнительной информации"));
  }

  void totalTimeFollowsDatesAndVehicleType() {
    Editor e;
    QVERIFY(e.form->prepareNewOrder());
    auto* startTime = e.get<QTimeEdit>("StartTime");
    auto* endTime = e.get<QTimeEdit>("EndTime");
    startTime->setTime(QTime(10, 0));
    endTime->setTime(QTime(10, 59));
    QCOMPARE(e.form->totalMinutes(), 60);
    QCOMPARE(e.get<QLabel>("TotalTime")->text(), QStringLiteral("1 ч. 0 мин."));
    // "Фургон 5 т": at least 240 minutes, 60 to bring the vehicle.
    endTime->setTime(QTime(11, 30));
    e.choose("AutoType", u8(Fixture::kVehicleType));
    QCOMPARE(e.form->totalMinutes(), 300);
    QCOMPARE(e.get<QLabel>("TotalTime")->text(), QStringLiteral("5 ч. 0 мин."));
    QCOMPARE(e.get<QLabel>("MinTime")->text(), QStringLiteral("4 ч. 0 мин."));
    QCOMPARE(e.get<QLabel>("ComingTime")->text(), QStringLiteral("1 ч. 0 мин."));

    // A new loading day moves the delivery day; a new time or end date moves nothing.
    auto* endDate = e.get<QDateEdit>("EndDate");
    endDate->setDate(QDate(2026, 3, 5));
    QCOMPARE(e.get<QDateEdit>("StartDate")->date(), kNow.date());
    startTime->setTime(QTime(8, 0));
    QCOMPARE(endDate->date(), QDate(2026, 3, 5));
    e.get<QDateEdit>("StartDate")->setDate(QDate(2026, 3, 10));
    QCOMPARE(endDate->date(), QDate(2026, 3, 10));
    QCOMPARE(e.form->totalMinutes(), 240 + 60); // 8:00 to 11:30, raised to the minimum
  }

  void requiredFieldsAreRefusedOnTheirPage_data() {
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("page");
    QTest::newRow("cargo") << "FREIGHT"
                           << "OrderSheet";
    QTest::newRow("driver") << "DriverCombo"
                            << "OrderSheet";
    QTest::newRow("advertising channel") << "SpecCombo"
                                         << "OrderSheet";
    QTest::newRow("currency") << "CurrencyType"
                              << "PaymentSheet";
    QTest::newRow("form of payment") << "CashType"
                                     << "PaymentSheet";
    QTest::newRow("tariff") << "Tarif"
                            << "PaymentSheet";
  }
  void requiredFieldsAreRefusedOnTheirPage() {
    QFETCH(QString, missing);
    QFETCH(QString, page);
    Editor e;
    QVERIFY(e.form->prepareNewOrder());
    e.fillNewOrder();
    if (missing == u"FREIGHT")
      e.get<QLineEdit>("FREIGHT")->setText(QStringLiteral("   "));
    else if (missing == u"SpecCombo")
      e.choose("OrderSourceCombo", QStringLiteral("Реклама"));
    else
      e.combo(qPrintable(missing))->setCurrentIndex(-1);
    // The message appears once the page has been switched.
    QString pageAtMessage;
    e.messages.onShow = [&](const MessageSpec&) { pageAtMessage = e.page(); };
    e.get<QTabWidget>("PageControl")->setCurrentIndex(page == u"OrderSheet" ? 1 : 0);

    QVERIFY(!e.save());
    QCOMPARE(e.messages.shown.size(), 1);
    QCOMPARE(e.messages.last().text, QStringLiteral("Все обязательные поля должны быть заполнены."));
    QCOMPARE(e.messages.last().caption, QStringLiteral("Сообщение"));
    QCOMPARE(e.messages.last().icon, QMessageBox::Warning);
    QCOMPARE(pageAtMessage, page);
    QCOMPARE(e.session.data().count("Заявки"), 0);
  }

  void startAfterEndIsRefused() {
    Editor e;
    QVERIFY(e.form->prepareNewOrder());
    e.fillNewOrder();
    e.get<QTimeEdit>("StartTime")->setTime(QTime(12, 1));
    e.get<QTimeEdit>("EndTime")->setTime(QTime(12, 0));
    QVERIFY(!e.save());
    QCOMPARE(e.messages.texts(), QStringList{QStringLiteral("Неправильно заданы начало и окончание заказа.")});
    QCOMPARE(e.page(), QStringLiteral("OrderSheet"));
    e.get<QTimeEdit>("StartTime")->setTime(QTime(12, 0));
    QVERIFY(e.save());
  }

  // The money page in the order a user works it.
  void moneyPageRecalculates() {
    Editor e;
    QVERIFY(e.form->prepareNewOrder());
    e.choose("CurrencyType", QStringLiteral("Рубль"));
    QCOMPARE(e.get<QTableWidget>("Grid")->horizontalHeaderItem(3)->text(), QStringLiteral("Сумма, Рубль"));
    QCOMPARE(e.money("Summ")->suffix(), QStringLiteral(" Рубль"));
    QCOMPARE(e.money("WayPrice")->value(), 0.0); // no tariff chosen yet
    e.choose("Tarif", u8(Fixture::kTariff));
    QCOMPARE(e.money("WayPrice")->value(), 1000.0);
    QCOMPARE(e.money("Summ")->value(), 1000.0);

    const int customs = e.expenseRow(QStringLiteral("Таможенное оформление"));
    const int insurance = e.expenseRow(QStringLiteral("Страхование"));
    e.tick(customs)->setCheckState(Qt::Checked);
    e.tick(insurance)->setCheckState(Qt::Checked);
    QCOMPARE(e.get<QTableWidget>("Grid")->item(customs, 3)->text(), QStringLiteral("150,00"));
    QCOMPARE(e.money("Summ")->value(), 1200.0);

    // Unticking an applied expense asks first; No keeps it.
    e.messages.answers.enqueue(QMessageBox::No);
    e.tick(insurance)->setCheckState(Qt::Unchecked);
    QCOMPARE(e.messages.last().text, QStringLiteral("Вы действительно хотите отменить дополнительный расход?"));
    QCOMPARE(e.messages.last().caption, QStringLiteral("Подтверждение"));
    QCOMPARE(e.tick(insurance)->checkState(), Qt::Checked);
    QCOMPARE(e.money("Summ")->value(), 1200.0);
    e.messages.answers.enqueue(QMessageBox::Yes);
    e.tick(insurance)->setCheckState(Qt::Unchecked);
    QCOMPARE(e.get<QTableWidget>("Grid")->item(insurance, 3)->text(), QString());
    QCOMPARE(e.money("Summ")->value(), 1150.0);

    // A typed amount counts once confirmed; the rate typed by hand too.
    e.get<QTableWidget>("Grid")->item(customs, 3)->setText(QStringLiteral("175,5"));
    QCOMPARE(e.get<QTableWidget>("Grid")->item(customs, 3)->text(), QStringLiteral("175,50"));
    QCOMPARE(e.money("Summ")->value(), 1175.5);
    e.money("WayPrice")->setValue(2000);
    QCOMPARE(e.money("Summ")->value(), 2175.5);

    // Another currency keeps the ticked amounts.
    e.choose("CurrencyType", QStringLiteral("Евро"));
    QCOMPARE(e.get<QTableWidget>("Grid")->item(customs, 3)->text(), QStringLiteral("175,50"));
    QCOMPARE(e.money("WayPrice")->suffix(), QStringLiteral(" Евро"));
  }

  void paymentMarks() {
    Editor e;
    QVERIFY(e.form->prepareNewOrder());
    e.choose("CurrencyType", QStringLiteral("Рубль"));
    e.choose("Tarif", u8(Fixture::kTariff));
    e.tick(e.expenseRow(QStringLiteral("Таможенное оформление")))->setCheckState(Qt::Checked);
    e.tick(e.expenseRow(QStringLiteral("Страхование")))->setCheckState(Qt::Checked);
    QCOMPARE(e.money("Summ")->value(), 1200.0);

    // The client pays the whole sum in roubles: no rate is asked.
    e.get<QCheckBox>("ClientPayment")->setChecked(true);
    QCOMPARE(e.money("ClientSumm")->value(), 1200.0);
    QCOMPARE(e.money("ClientRUBSumm")->value(), 1200.0);
    QCOMPARE(e.get<QDateEdit>("ClientPaymentDate")->date(), kNow.date());
    QVERIFY(e.shown("ClientDatePanel"));
    QVERIFY(!e.shown("MustSumm"));
    QVERIFY(e.rates->asked.isEmpty());
    QCOMPARE(e.money("Profit")->value(), 1200.0);

    // A dearer order after the payment leaves a debt.
    e.money("WayPrice")->setValue(1100);
    QVERIFY(e.shown("MustSumm"));
    QVERIFY(e.shown("MustLabel"));
    QCOMPARE(e.money("MustSumm")->value(), 100.0);
    e.money("ClientSumm")->setValue(1300);
    QVERIFY(!e.shown("MustSumm"));

    // The carrier: his amount is not touched; the profit never drops below 0.
    e.money("WorkerSumm")->setValue(2000);
    e.get<QCheckBox>("WorkerPayment")->setChecked(true);
    QCOMPARE(e.money("WorkerSumm")->value(), 2000.0);
    QCOMPARE(e.money("WorkerRUBSumm")->value(), 2000.0);
    QCOMPARE(e.money("Profit")->value(), 0.0);
    e.get<QCheckBox>("WorkerPayment")->setChecked(false);
    QCOMPARE(e.money("WorkerRUBSumm")->value(), 0.0);
    QVERIFY(!e.shown("WorkerDatePanel"));
    QCOMPARE(e.money("Profit")->value(), 1200.0);

    // Unmarking the client keeps his amount, drops the roubles and the debt.
    e.money("ClientSumm")->setValue(1000);
    QVERIFY(e.shown("MustSumm"));
    e.get<QCheckBox>("ClientPayment")->setChecked(false);
    QCOMPARE(e.money("ClientSumm")->value(), 1000.0);
    QCOMPARE(e.money("ClientRUBSumm")->value(), 0.0);
    QVERIFY(!e.shown("MustSumm"));
  }

  void foreignCurrencyIsConvertedAtTheRateOfThePaymentDate() {
    Editor e;
    QVERIFY(e.form->prepareNewOrder());
    e.choose("CurrencyType", QStringLiteral("Евро"));
    e.money("WayPrice")->setValue(1000);
    e.rates->answer = DailyRate{16.0102, 1, 16.0102, {}};
    e.get<QCheckBox>("ClientPayment")->setChecked(true);
    QCOMPARE(e.money("ClientRUBSumm")->value(), 16010.20);
    QCOMPARE(e.rates->asked.size(), 1);
    QCOMPARE(e.rates->asked.first().second, kNow.date());

    // Another date asks again on "Пересчитать"; no answer leaves the roubles
    // for the user to type.
    e.get<QDateEdit>("ClientPaymentDate")->setDate(QDate(2026, 2, 27));
    e.rates->answer.reset();
    e.get<QPushButton>("CalcBtn1")->click();
    QCOMPARE(e.rates->asked.size(), 2);
    QCOMPARE(e.messages.last().text, QStringLiteral("Не удается определить текущий курс валюты.\n"
                                                    "Повторите попытку позднее или впишите значение вручную."));
    QCOMPARE(e.messages.last().icon, QMessageBox::Warning);
    QCOMPARE(e.money("ClientRUBSumm")->value(), 16010.20);
    QVERIFY(e.get<QCheckBox>("ClientPayment")->isChecked());
  }

  void newOrderIsSavedWithJournalEntry() {
    Editor e;
    QVERIFY(e.form->prepareNewOrder());
    e.fillNewOrder();
    e.tick(e.expenseRow(QStringLiteral("Таможенное оформление")))->setCheckState(Qt::Checked);
    QVERIFY(e.save());
    const qint64 id = e.form->orderId();
    QVERIFY(id > 0);
    QCOMPARE(e.column(id, "Клиент_ID").toLongLong(), e.fixture.clientId);
    QCOMPARE(e.column(id, "Водитель_ID").toLongLong(), e.fixture.driverId);
    QCOMPARE(e.column(id, "Сумма").toDouble(), 1150.0);
    QCOMPARE(e.column(id, "Расчет").toInt(), 1);
    QCOMPARE(e.column(id, "ОбщееВремя").toInt(), 300);
    QCOMPARE(e.column(id, "НачалоЗаказа").toString(), QStringLiteral("2026-03-02 09:41:00"));
    QCOMPARE(e.lastAction(), QStringLiteral("Создание заказа № %1").arg(id));
    QCOMPARE(e.session.data().count("Расходные", "Заявка_ID=:id", {{"id", id}}), 1);
  }

  void failedSaveKeepsTheWindowOpen() {
    Editor e;
    QVERIFY(e.form->prepareNewOrder());
    e.fillNewOrder();
    e.session.data().exec("DELETE FROM Менеджеры WHERE ID=:id", {{"id", e.fixture.managerId}});
    QVERIFY(!e.save());
    QCOMPARE(e.messages.last().icon, QMessageBox::Critical);
    QVERIFY(e.messages.last().text.contains(u8(Fixture::kManager)));
    QCOMPARE(e.session.data().count("Заявки"), 0);
    QCOMPARE(e.get<QLineEdit>("Route")->text(), QStringLiteral("Москва — Берлин"));
  }

  void storedOrderLoadsAsSaved() {
    Editor e;
    OrderInput order = e.fixture.order();
    order.source = QStringLiteral("Диспетчер");
    order.extraShown = true;
    order.extra = u8(Fixture::kDispatcher);
    order.sum = 999; // not the freight rate plus expenses: shown as stored
    order.clientPaid = true;
    order.clientSum = 900;
    order.clientRoubles = 900;
    order.profit = 900;
    const qint64 id = e.storeOrder(order);
    QVERIFY(e.form->loadOrder(id, TTransOrderForm::Opening::Edit));
    QCOMPARE(e.form->windowTitle(), QStringLiteral("Редактирование заказа"));
    QCOMPARE(e.get<QPushButton>("OKBtn")->text(), QStringLiteral("Сохранить"));
    QVERIFY(!e.form->insertsOnSave());
    QCOMPARE(e.form->orderId(), id);
    QCOMPARE(selectedComboText(e.combo("ClientName")), u8(Fixture::kClient));
    QCOMPARE(selectedComboText(e.combo("ClientFaceCombo")), u8(Fixture::kCustomer));
    QCOMPARE(selectedComboText(e.combo("AutoCombo")), u8(Fixture::kVehicle));
    QCOMPARE(selectedComboText(e.combo("DriverCombo")), u8(Fixture::kDriver));
    QCOMPARE(selectedComboText(e.combo("WorkerManagerCombo")), u8(Fixture::kManager));
    QCOMPARE(e.get<QLabel>("SpecLabel")->text(), QStringLiteral("ФИО диспетчера:"));
    QCOMPARE(selectedComboText(e.combo("SpecCombo")), u8(Fixture::kDispatcher));
    QVERIFY(!e.shown("Blocked"));
    QCOMPARE(e.get<QLabel>("TotalTime")->text(), QStringLiteral("60 ч. 30 мин."));
    QCOMPARE(e.get<QTimeEdit>("EndTime")->time(), QTime(18, 30));
    QCOMPARE(e.combo("CashType")->currentIndex(), 1);
    QCOMPARE(e.money("Summ")->value(), 999.0);
    QCOMPARE(e.money("WayPrice")->suffix(), QStringLiteral(" Рубль"));
    QVERIFY(e.get<QCheckBox>("ClientPayment")->isChecked());
    QVERIFY(e.shown("ClientDatePanel"));
    QCOMPARE(e.get<QDateEdit>("ClientPaymentDate")->date(), QDate(2026, 3, 5));
    QVERIFY(!e.shown("WorkerDatePanel"));
    QCOMPARE(e.get<QDateEdit>("WorkerPaymentDate")->date(), kNow.date());
    QCOMPARE(e.money("MustSumm")->value(), 99.0);
    QVERIFY(e.shown("MustSumm"));
    QCOMPARE(e.tick(e.expenseRow(QStringLiteral("Таможенное оформление")))->checkState(), Qt::Checked);
    QCOMPARE(e.tick(e.expenseRow(QStringLiteral("Страхование")))->checkState(), Qt::Unchecked);
    QCOMPARE(e.combo("WorkerName")->toolTip(), QStringLiteral("111-11-11")); // the phone alone
    QVERIFY(e.shown("GoToDone"));
    QVERIFY(!e.get<QCheckBox>("GoToDone")->isChecked());
    QVERIFY(e.get<QPushButton>("OKBtn")->isEnabled());

    // Saving without a change records an entry with no detail.
    QVERIFY(e.save());
    QCOMPARE(e.lastAction(), QStringLiteral("Редактирование заказа № %1").arg(id));
    QCOMPARE(e.lastDetail(), QString());
    QCOMPARE(e.column(id, "Сумма").toDouble(), 999.0);
  }

  void editRecordsExactlyTheChangedFields() {
    Editor e;
    const qint64 id = e.storeOrder(e.fixture.order());
    QVERIFY(e.form->loadOrder(id, TTransOrderForm::Opening::Edit));
    e.get<QLineEdit>("Route")->setText(QStringLiteral("Москва — Варшава"));
    QVERIFY(e.save());
    QCOMPARE(e.lastDetail(), QStringLiteral("Маршрут: Москва — Берлин >> Москва — Варшава"));

    QVERIFY(e.form->loadOrder(id, TTransOrderForm::Opening::Edit));
    e.get<QPlainTextEdit>("Comment")->setPlainText(QStringLiteral("Срочно"));
    e.get<QLineEdit>("RECEIVER")->clear();
    QVERIFY(e.save());
    QCOMPARE(e.lastDetail(), QStringLiteral("Получатель: Möbel GmbH >> (пусто)\nПримечания: (пусто) >> Срочно"));
    QCOMPARE(e.column(id, "Получатель").toString(), QString());
  }

  void paymentOpeningSavesMarks() {
    Editor e;
    const qint64 id = e.storeOrder(e.fixture.order());
    QVERIFY(e.form->loadOrder(id, TTransOrderForm::Opening::Payment));
    QCOMPARE(e.page(), QStringLiteral("PaymentSheet"));
    QCOMPARE(e.form->windowTitle(), QStringLiteral("Редактирование заказа"));
    e.get<QCheckBox>("ClientPayment")->setChecked(true);
    QVERIFY(e.save());
    QCOMPARE(e.column(id, "ОплатаКлиента").toInt(), 1);
    QCOMPARE(e.column(id, "ДатаОплатыКлиента").toString(), QStringLiteral("2026-03-02 00:00:00"));
    QCOMPARE(e.column(id, "СуммаКлиентаРуб").toDouble(), 1150.0);
    QVERIFY(e.lastDetail().contains(QStringLiteral("Оплата клиента: Нет >> Да")));
    QVERIFY(e.lastDetail().contains(QStringLiteral("Сумма клиента в рублях: 0 >> 1150")));

    QVERIFY(e.form->loadOrder(id, TTransOrderForm::Opening::Payment));
    e.get<QCheckBox>("ClientPayment")->setChecked(false);
    QVERIFY(e.save());
    QCOMPARE(e.column(id, "ОплатаКлиента").toInt(), 0);
    QVERIFY(e.column(id, "ДатаОплатыКлиента").isNull());
    QCOMPARE(e.column(id, "СуммаКлиента").toDouble(), 1150.0);
  }

  void archivedOrderOpensReadOnly_data() {
    QTest::addColumn<int>("opening");
    QTest::newRow("edit") << int(TTransOrderForm::Opening::Edit);
    QTest::newRow("payment") << int(TTransOrderForm::Opening::Payment);
    QTest::newRow("duplicate") << int(TTransOrderForm::Opening::Duplicate);
  }
  void archivedOrderOpensReadOnly() {
    QFETCH(int, opening);
    Editor e;
    const qint64 id = e.storeOrder(e.fixture.order());
    QVERIFY(e.form->loadOrder(id, TTransOrderForm::Opening::Edit));
    e.get<QCheckBox>("GoToDone")->setChecked(true);
    QVERIFY(e.save());
    QCOMPARE(e.column(id, "Done").toInt(), 1);

    QVERIFY(e.form->loadOrder(id, TTransOrderForm::Opening(opening)));
    QVERIFY(e.get<QCheckBox>("GoToDone")->isChecked());
    QVERIFY(!e.get<QPushButton>("OKBtn")->isEnabled());
    // A new order afterwards can be saved again.
    QVERIFY(e.form->prepareNewOrder());
    QVERIFY(e.get<QPushButton>("OKBtn")->isEnabled());
  }

  void duplicateInsertsACopy() {
    Editor e;
    const qint64 source = e.storeOrder(e.fixture.order());
    QVERIFY(e.form->loadOrder(source, TTransOrderForm::Opening::Duplicate));
    QCOMPARE(e.form->windowTitle(), QStringLiteral("Дублирование заказа"));
    QCOMPARE(e.get<QPushButton>("OKBtn")->text(), QStringLiteral("Создать"));
    e.get<QLineEdit>("Route")->setText(QStringLiteral("Москва — Рига"));
    QVERIFY(e.save());
    const qint64 copy = e.form->orderId();
    QVERIFY(copy != source);
    QCOMPARE(e.column(copy, "Маршрут").toString(), QStringLiteral("Москва — Рига"));
    QCOMPARE(e.column(copy, "Клиент_ID").toLongLong(), e.fixture.clientId);
    QCOMPARE(e.column(copy, "Сумма").toDouble(), 1150.0);
    QCOMPARE(e.column(source, "Маршрут").toString(), QStringLiteral("Москва — Берлин"));
    QCOMPARE(e.lastAction(), QStringLiteral("Создание заказа № %1").arg(copy));
    QCOMPARE(e.session.data().count("Расходные", "Заявка_ID=:id", {{"id", copy}}), 1);
  }

  void missingOrderIsReported() {
    Editor e;
    QVERIFY(!e.form->loadOrder(4242, TTransOrderForm::Opening::Edit));
    QCOMPARE(e.messages.texts(), QStringList{QStringLiteral("Заказ № 4242 не найден: возможно, его удалили.")});
  }

  void attachmentsAreAddedOpenedSavedAndRemoved() {
    Editor e;
    test::ScriptedFileDialogs dialogs;
    test::RecordingDesktop desktop;
    QTemporaryDir dir;
    const QByteArray content = QByteArray("PK\x03\x04\0binary", 11);
    const QString path = dir.filePath(QStringLiteral("Договор.docx"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    QVERIFY(e.form->prepareNewOrder());
    e.fillNewOrder();
    auto* list = e.get<QListWidget>("Attachments");
    QVERIFY(!e.get<QPushButton>("OpenFileBtn")->isEnabled());
    dialogs.openAnswers.enqueue(path);
    e.get<QPushButton>("AddFileBtn")->click();
    QCOMPARE(list->count(), 1);
    // A new file opens from its own place.
    e.get<QPushButton>("OpenFileBtn")->click();
    QCOMPARE(desktop.opened.last(), QUrl::fromLocalFile(path));
    // A second file of the same name is refused.
    dialogs.openAnswers.enqueue(dir.filePath(QStringLiteral("ДОГОВОР.DOCX")));
    e.get<QPushButton>("AddFileBtn")->click();
    QCOMPARE(list->count(), 1);
    QVERIFY(e.messages.last().text.contains(QStringLiteral("уже прикреплен")));
    // Cancelling the dialog adds nothing.
    e.get<QPushButton>("AddFileBtn")->click();
    QCOMPARE(list->count(), 1);
    QVERIFY(e.save());
    const qint64 id = e.form->orderId();
    QCOMPARE(e.session.data().scalar("SELECT Файл FROM Файлы WHERE Заявка_ID=:id", {{"id", id}}).toByteArray(),
             content);

    // Stored: opened from a fresh copy in the user's folder, saved where asked.
    QVERIFY(e.form->loadOrder(id, TTransOrderForm::Opening::Edit));
    QCOMPARE(list->item(0)->text(), QStringLiteral("Договор.docx"));
    list->setCurrentRow(0);
    e.get<QPushButton>("OpenFileBtn")->click();
    const QString copy = desktop.opened.last().toLocalFile();
    QVERIFY(copy != path);
    QCOMPARE(QFileInfo(copy).fileName(), QStringLiteral("Договор.docx"));
    QCOMPARE(readAll(copy), content);
    const QString saved = dir.filePath(QStringLiteral("копия.docx"));
    dialogs.saveAnswers.enqueue(saved);
    e.get<QPushButton>("SaveFileBtn")->click();
    QCOMPARE(dialogs.proposedPaths.last(), QStringLiteral("Договор.docx"));
    QCOMPARE(readAll(saved), content);

    // Removing the entry and saving deletes the stored row.
    e.get<QPushButton>("DelFileBtn")->click();
    QCOMPARE(list->count(), 0);
    QVERIFY(e.save());
    QCOMPARE(e.session.data().count("Файлы"), 0);
    QVERIFY(e.lastDetail().contains(QStringLiteral("Прикрепленные файлы: Договор.docx >> (пусто)")));
  }

  void cancelStoresNothing() {
    Editor e;
    test::ScriptedFileDialogs dialogs;
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("a.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const qint64 id = e.storeOrder(e.fixture.order());
    QVERIFY(e.form->loadOrder(id, TTransOrderForm::Opening::Edit));
    dialogs.openAnswers.enqueue(file.fileName());
    e.get<QPushButton>("AddFileBtn")->click();
    e.get<QLineEdit>("Route")->setText(QStringLiteral("Другой"));
    e.get<QPushButton>("CancelBtn")->click();
    QCOMPARE(e.form->result(), int(QDialog::Rejected));
    QCOMPARE(e.session.data().count("Файлы"), 0);
    QCOMPARE(e.column(id, "Маршрут").toString(), QStringLiteral("Москва — Берлин"));
  }

  void rightsShapeTheWindow() {
    Editor e({{QStringLiteral("_Route"), false, false},
              {QStringLiteral("_FREIGHT"), true, false},
              {QStringLiteral("PaymentEditor"), false, false},
              {QStringLiteral("GoToDone"), true, false},
              {QStringLiteral("ClientManager"), false, false}});
    const qint64 id = e.storeOrder(e.fixture.order());
    QVERIFY(e.form->loadOrder(id, TTransOrderForm::Opening::Edit));
    QVERIFY(!e.shown("Route"));
    QVERIFY(!e.shown("RouteLabel"));
    QVERIFY(!e.shown("SelectRouteBtn"));
    QVERIFY(e.shown("FREIGHT"));
    QVERIFY(!e.get<QWidget>("FREIGHT")->isEnabled());
    auto* pages = e.get<QTabWidget>("PageControl");
    QVERIFY(!pages->isTabVisible(pages->indexOf(e.get<QWidget>("PaymentSheet"))));
    QVERIFY(e.shown("GoToDone"));
    QVERIFY(!e.get<QWidget>("GoToDone")->isEnabled());
    QVERIFY(!e.shown("ClientManagerBtn"));
    // Hidden and disabled fields are still saved as they are.
    QVERIFY(e.save());
    QCOMPARE(e.column(id, "Маршрут").toString(), QStringLiteral("Москва — Берлин"));
  }
};

VH_TEST_MAIN(TestTransOrderForm)
#include "tst_transorderform.moc"
