#include "core/directories/currencies.h"
#include "gui/directories/currencypropertiesform.h"
#include "gui/directories/directories.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vh;

namespace {

QString column(test::TestDatabase& data, const char* name, const QString& currency) {
  return data
      .scalar(QStringLiteral("SELECT %1 FROM Валюты WHERE Валюта=:c").arg(QString::fromUtf8(name)),
              {{QStringLiteral("c"), currency}})
      .toString();
}

// A language file as its keys and their forms.
QHash<QString, QStringList> readLanguageFile(const QString& file) {
  QFile in(languageFolder() + u'/' + file);
  if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
    return {};
  QHash<QString, QStringList> table;
  for (const QString& line : QString::fromUtf8(in.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals > 0)
      table.insert(line.left(equals), line.mid(equals + 1).split(u';'));
  }
  return table;
}

} // namespace

class TestCurrencies : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void windowRenamesAndHasNoDelete() {
    test::TestSession session;
    test::RecordingMessages messages;
    test::ScriptedInputBox input;
    DirectoryWindow window(session.context(), currenciesDirectory());
    QCOMPARE(window.windowTitle(), QStringLiteral("Валюты"));
    QCOMPARE(window.countText(), QStringLiteral("Всего валют: 3"));
    QVERIFY(!window.findChild<QPushButton*>("DeleteBtn"));
    QCOMPARE(window.findChild<QPushButton*>("CancelBtn")->text(), QStringLiteral("Закрыть"));

    const qint64 id = session.data().scalar(QStringLiteral("SELECT ID FROM Валюты WHERE Валюта='Евро'")).toLongLong();
    test::selectEntry(window, QStringLiteral("Евро"));
    input.answers = {QStringLiteral("Евро (EUR)"), QStringLiteral("рУБЛЬ")};
    test::click(&window, "EditBtn");
    QCOMPARE(lastAction(session.data()), QStringLiteral("Переименование валюты Евро (EUR)"));
    QCOMPARE(session.data().scalar(QStringLiteral("SELECT ID FROM Валюты WHERE Валюта='Евро (EUR)'")).toLongLong(), id);

    test::click(&window, "EditBtn");
    QCOMPARE(messages.last().text, QStringLiteral("Валюта с данным наименованием уже существует!"));
    QCOMPARE(messages.last().caption, QStringLiteral("Ошибка"));
    QCOMPARE(window.countText(), QStringLiteral("Всего валют: 3"));

    // Names are kept to the 255 characters of the input box.
    input.answers = {QString(300, u'Ф')};
    test::click(&window, "EditBtn");
    QCOMPARE(
        session.data().scalar(QStringLiteral("SELECT length(Валюта) FROM Валюты WHERE ID=:id"), {{"id", id}}).toInt(),
        255);
  }

  // A new currency goes on to its properties: without a code and a language
  // file it could get no rate and no invoice.
  void newCurrencyAsksItsProperties() {
    test::TestSession session;
    test::RecordingMessages messages;
    test::ScriptedInputBox input;
    DirectoryWindow window(session.context(), currenciesDirectory());

    input.answers = {QStringLiteral("Юань \"Жэньминьби\"")};
    test::NextModal properties([](QDialog* dialog) {
      QCOMPARE(dialog->findChild<QLabel*>("CurrencyName")->text(), QStringLiteral("Юань \"Жэньминьби\""));
      auto* code = dialog->findChild<QLineEdit*>("Code");
      QVERIFY(code->text().isEmpty());
      for (const QChar c : QStringLiteral("cn1y"))
        QTest::sendKeyEvent(QTest::Click, code, Qt::Key_unknown, QString(c), {});
      QCOMPARE(code->text(), QStringLiteral("CNY"));
      auto* language = dialog->findChild<QComboBox*>("Language");
      QCOMPARE(language->currentIndex(), 0);
      language->setCurrentIndex(language->findText(QStringLiteral("usd.lng")));
      test::click(dialog, "OKBtn");
    });
    test::click(&window, "AddBtn");
    QCOMPARE(input.asked.last().caption, QStringLiteral("Новая валюта"));
    QCOMPARE(properties.dialogName(), QStringLiteral("TCurrencyPropertiesForm"));
    QVERIFY(!properties.leftOpen());
    QCOMPARE(column(session.data(), "Код", QStringLiteral("Юань \"Жэньминьби\"")), QStringLiteral("CNY"));
    QCOMPARE(column(session.data(), "Язык", QStringLiteral("Юань \"Жэньминьби\"")), QStringLiteral("usd.lng"));
    QCOMPARE(lastAction(session.data()), QStringLiteral("Изменение свойств валюты Юань \"Жэньминьби\""));
    QCOMPARE(session.data().count("Протокол", "Действие=:a",
                                  {{"a", QStringLiteral("Добавление валюты Юань \"Жэньминьби\"")}}),
             1);
    QCOMPARE(window.countText(), QStringLiteral("Всего валют: 4"));

    // Taken in other letters: refused before anything is asked.
    input.answers = {QStringLiteral("ЮАНЬ \"жэньминьби\"")};
    test::click(&window, "AddBtn");
    QCOMPARE(messages.last().text, QStringLiteral("Валюта с данным наименованием уже существует!"));
    QCOMPARE(session.data().count("Валюты"), 4);
  }

  void codeIsThreeLettersOrNone_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("three letters") << "GBP" << true;
    QTest::newRow("none, as for the rouble") << "" << true;
    QTest::newRow("too short") << "GB" << false;
  }
  void codeIsThreeLettersOrNone() {
    QFETCH(QString, code);
    QFETCH(bool, accepted);
    test::TestSession session;
    test::RecordingMessages messages;
    TCurrencyPropertiesForm form(session.context());
    QVERIFY(form.startEdit(QStringLiteral("Доллар США")));
    QCOMPARE(form.findChild<QLineEdit*>("Code")->text(), QStringLiteral("USD"));
    QCOMPARE(form.findChild<QComboBox*>("Language")->currentText(), QStringLiteral("usd.lng"));
    form.findChild<QLineEdit*>("Code")->setText(code);
    test::click(&form, "OKBtn");
    QCOMPARE(column(session.data(), "Код", QStringLiteral("Доллар США")), accepted ? code : QStringLiteral("USD"));
    QCOMPARE(messages.shown.isEmpty(), accepted);
    if (!accepted)
      QCOMPARE(
          messages.last().text,
          QStringLiteral("Код валюты состоит из трёх латинских букв, например USD. Для рубля код не указывается."));
  }

  // The rate kept for a code belongs to it: a new code drops it, an unchanged one keeps it.
  void newCodeDropsTheKeptRate() {
    test::TestSession session;
    session.data().exec(QStringLiteral("UPDATE Валюты SET Курс=92.5, Обновлено='2026-12-10 10:00:00' WHERE Код<>''"));
    for (const QString& currency : {QStringLiteral("Доллар США"), QStringLiteral("Евро")}) {
      TCurrencyPropertiesForm form(session.context());
      QVERIFY(form.startEdit(currency));
      if (currency == u"Евро")
        form.findChild<QLineEdit*>("Code")->setText(QStringLiteral("XEU"));
      test::click(&form, "OKBtn");
    }
    QCOMPARE(column(session.data(), "Курс", QStringLiteral("Доллар США")).toDouble(), 92.5);
    QCOMPARE(column(session.data(), "Курс", QStringLiteral("Евро")).toDouble(), 0.0);
    QVERIFY(column(session.data(), "Обновлено", QStringLiteral("Евро")).isEmpty());
  }

  void languageChoiceKeepsAnUnknownStoredFile() {
    test::TestSession session;
    session.data().exec(QStringLiteral("UPDATE Валюты SET Язык='kzt.lng' WHERE Валюта='Рубль'"));
    TCurrencyPropertiesForm form(session.context());
    QVERIFY(form.startEdit(QStringLiteral("Рубль")));
    auto* language = form.findChild<QComboBox*>("Language");
    QStringList shown;
    for (int i = 0; i < language->count(); ++i)
      shown.append(language->itemText(i));
    QCOMPARE(shown, (QStringList{"(не выбран)", "eur.lng", "rub.lng", "usd.lng", "kzt.lng (файл не найден)"}));
    QCOMPARE(language->currentData().toString(), QStringLiteral("kzt.lng"));
    test::click(&form, "OKBtn");
    QCOMPARE(column(session.data(), "Язык", QStringLiteral("Рубль")), QStringLiteral("kzt.lng"));

    TCurrencyPropertiesForm cleared(session.context());
    QVERIFY(cleared.startEdit(QStringLiteral("Рубль")));
    cleared.findChild<QComboBox*>("Language")->setCurrentIndex(0);
    test::click(&cleared, "OKBtn");
    QVERIFY(column(session.data(), "Язык", QStringLiteral("Рубль")).isEmpty());
  }

  // The files the fixed currencies name are shipped, complete, with their own currency words.
  void languageFilesAreComplete_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("minor");
    QTest::newRow("rouble") << "rub.lng"
                            << "рубль;рубля;рублей"
                            << "копейка;копейки;копеек";
    QTest::newRow("dollar") << "usd.lng"
                            << "доллар;доллара;долларов"
                            << "цент;цента;центов";
    QTest::newRow("euro") << "eur.lng"
                          << "евро;евро;евро"
                          << "евроцент;евроцента;евроцентов";
  }
  void languageFilesAreComplete() {
    QFETCH(QString, file);
    QFETCH(QString, currency);
    QFETCH(QString, minor);
    QVERIFY(languageFiles().contains(file));
    const auto table = readLanguageFile(file);
    const QHash<QString, int> forms{{"One", 12},  {"Ten", 10},    {"Twen", 8},     {"Hndr", 9},         {"Thou", 3},
                                    {"Mill", 3},  {"Bill", 3},    {"Currency", 3}, {"CurrencyMale", 1}, {"Cop", 3},
                                    {"Comma", 1}, {"Month1", 12}, {"Month2", 12},  {"DayOfWeek", 7}};
    for (auto it = forms.cbegin(); it != forms.cend(); ++it) {
      QVERIFY2(table.contains(it.key()), qPrintable(it.key()));
      QCOMPARE(table.value(it.key()).size(), it.value());
    }
    QCOMPARE(table.value("Currency").join(u';'), currency);
    QCOMPARE(table.value("Cop").join(u';'), minor);
    // Every one of these currency words is masculine: "один рубль", "два доллара".
    QCOMPARE(table.value("CurrencyMale"), QStringList{"1"});
    QCOMPARE(table.value("Twen").at(3), QStringLiteral("пятьдесят"));
    QCOMPARE(table.value("Mill").at(1), QStringLiteral("миллиона"));
    QCOMPARE(table.value("Hndr").at(4), QStringLiteral("пятьсот"));
  }
};

VH_TEST_MAIN(TestCurrencies)
#include "tst_currencies.moc"
