#include "gui/order/earliervaluepickerform.h"
#include "gui/order/searchpickerform.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace vh;

class TestPickerForms : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void searchPickerFindsAndChooses() {
    test::TestSession session(true);
    test::RecordingMessages messages;
    SearchPickerForm picker(session.context(), SearchPickerForm::Kind::Client);
    QCOMPARE(picker.objectName(), QStringLiteral("TClientSearchForm"));
    QCOMPARE(picker.windowTitle(), QStringLiteral("Поиск Клиента"));
    auto* groups = picker.findChild<QComboBox*>("ClientGroup");
    QCOMPARE(groups->currentText(), QStringLiteral("(все группы)"));
    QCOMPARE(groups->count(), 1 + int(session.data().count("Группы")));

    auto* search = picker.findChild<QLineEdit*>("Search");
    auto* results = picker.findChild<QListWidget*>("Results");
    // An empty text searches nothing.
    picker.FindBtnClick();
    QVERIFY(messages.shown.isEmpty());

    picker.findChild<QGroupBox*>("SearchField")->findChildren<QRadioButton*>().at(1)->setChecked(true);
    search->setText(QStringLiteral("ромаш"));
    picker.findChild<QPushButton*>("FindBtn")->click();
    QCOMPARE(results->count(), 1);
    QCOMPARE(results->item(0)->text(), QStringLiteral("ООО «Ромашка»"));

    search->setText(QStringLiteral("нет такого"));
    picker.FindBtnClick();
    QCOMPARE(messages.texts(),
             QStringList{"Не найдено ни одного Клиента, который бы удовлетворял заданным критериям поиска."});
    QCOMPARE(messages.last().caption, QStringLiteral("Результаты поиска"));
    QCOMPARE(messages.last().icon, QMessageBox::Warning);

    search->setText(QStringLiteral("ромаш"));
    picker.FindBtnClick();
    picker.findChild<QPushButton*>("SelectBtn")->click();
    QCOMPARE(picker.result(), int(QDialog::Accepted));
    QCOMPARE(picker.chosen(), QStringLiteral("ООО «Ромашка»"));
  }

  void carrierPickerOffersVehicleTypes() {
    test::TestSession session(true);
    SearchPickerForm picker(session.context(), SearchPickerForm::Kind::Carrier);
    QCOMPARE(picker.objectName(), QStringLiteral("TWorkerSearchForm"));
    auto* types = picker.findChild<QComboBox*>("WorkerGroup");
    QCOMPARE(types->itemText(0), QStringLiteral("(все группы)"));
    QVERIFY(types->findText(QStringLiteral("Рефрижератор")) > 0);
    // Nothing chosen: the picker closes without a name.
    picker.findChild<QPushButton*>("SelectBtn")->click();
    QVERIFY(picker.chosen().isEmpty());
  }

  void routePickerCopiesAnEarlierRoute() {
    test::TestSession session;
    auto& data = session.data();
    data.exec(QStringLiteral("INSERT INTO Клиенты (Организация) VALUES ('ООО «Ромашка»')"));
    data.exec(QStringLiteral(
        "INSERT INTO Заявки (Клиент_ID, Создано, Маршрут) VALUES (1, '2026-12-01 10:00:00', 'Москва — Рига')"));
    data.exec(QStringLiteral(
        "INSERT INTO Заявки (Клиент_ID, Создано, Маршрут) VALUES (1, '2026-12-01 10:00:00', 'Москва — Таллин')"));

    EarlierValuePickerForm picker(session.context(), EarlierField::Route);
    QCOMPARE(picker.objectName(), QStringLiteral("TRepeatRouteForm"));
    QVERIFY(!picker.prepare(QString())); // no client, no picker
    QVERIFY(picker.prepare(QStringLiteral("ООО «Ромашка»")));
    auto* dates = picker.findChild<QListWidget*>("Dates");
    auto* route = picker.findChild<QPlainTextEdit*>("Route");
    QCOMPARE(dates->count(), 2);
    QCOMPARE(dates->item(0)->text(), QStringLiteral("01.12.2026 10:00:00"));
    QVERIFY(route->toPlainText().isEmpty());

    // Two orders of one second show their own routes.
    dates->setCurrentRow(1);
    QCOMPARE(route->toPlainText(), QStringLiteral("Москва — Рига"));
    dates->setCurrentRow(0);
    QCOMPARE(route->toPlainText(), QStringLiteral("Москва — Таллин"));

    picker.findChild<QLineEdit*>("Search")->setText(QStringLiteral("рига"));
    picker.FindBtnClick();
    QCOMPARE(dates->count(), 1);
    QCOMPARE(route->toPlainText(), QStringLiteral("Москва — Рига")); // the first found shows at once
    picker.findChild<QPushButton*>("Button1")->click();
    QCOMPARE(picker.chosenText(), QStringLiteral("Москва — Рига"));
  }

  void remarkPickerKeepsWhatItShowed() {
    test::TestSession session;
    session.data().exec(QStringLiteral("INSERT INTO Заявки (Дополнительно) VALUES ('Звонить перед подачей')"));
    EarlierValuePickerForm picker(session.context(), EarlierField::Remark);
    QVERIFY(picker.prepare(QString()));
    picker.findChild<QLineEdit*>("Search")->setText(QStringLiteral("звонить"));
    picker.FindBtnClick();
    QVERIFY(picker.prepare(QString()));
    QCOMPARE(picker.findChild<QPlainTextEdit*>("Memo")->toPlainText(), QStringLiteral("Звонить перед подачей"));
    QCOMPARE(picker.findChild<QListWidget*>("Dates")->count(), 1);
  }
};

VH_TEST_MAIN(TestPickerForms)
#include "tst_pickerforms.moc"
