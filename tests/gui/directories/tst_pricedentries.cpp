#include "gui/directories/directories.h"
#include "gui/directories/pricedentryeditform.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace vh;

namespace {

// Tariffs and expense kinds share one editor; every test runs on both.
struct Kind {
  PricedEditorTexts (*texts)();
  DirectoryDescription (*directory)();
  QString createAction;
  QString editAction;
};

Kind kind(const QString& name) {
  if (name == u"tariff")
    return {&tariffEditorTexts, &tariffsDirectory, QStringLiteral("Создание тарифа "),
            QStringLiteral("Редактирование тарифа ")};
  return {&expenseEditorTexts, &expenseKindsDirectory, QStringLiteral("Создание дополнительного расхода "),
          QStringLiteral("Редактирование дополнительного расхода ")};
}

void addKinds() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("tariffs") << "tariff";
  QTest::newRow("expense kinds") << "expense";
}

class Editor {
public:
  Editor(AppContext& context, const QString& kindName) : m_texts(kind(kindName).texts()), form(context, m_texts) {}

  QLineEdit* name() { return form.findChild<QLineEdit*>(m_texts.nameField); }
  QTableWidget* grid() { return form.findChild<QTableWidget*>("Grid"); }
  int row(const QString& currency) {
    const auto found = grid()->findItems(currency, Qt::MatchExactly);
    return found.isEmpty() ? -1 : found.first()->row();
  }
  QString amount(const QString& currency) { return grid()->item(row(currency), 2)->text(); }
  void setAmount(const QString& currency, const QString& text) { grid()->item(row(currency), 2)->setText(text); }
  bool ok() {
    form.setResult(0);
    test::click(&form, "OKBtn");
    return form.result() == QDialog::Accepted;
  }
  // The stored defaults of an entry: currency name -> amount.
  QVariantMap stored(test::TestDatabase& data, qint64 id) {
    QVariantMap out;
    const auto& t = m_texts.table;
    for (const QString& currency : {QStringLiteral("Доллар США"), QStringLiteral("Евро"), QStringLiteral("Рубль")}) {
      const QVariant value =
          data.scalar(QStringLiteral("SELECT d.ПоУмолчанию FROM %1 d JOIN Валюты v ON v.ID=d.Валюта_ID "
                                     "WHERE d.%2=:id AND v.Валюта=:c")
                          .arg(t.defaultsTable, t.ownerColumn),
                      {{QStringLiteral("id"), id}, {QStringLiteral("c"), currency}});
      if (value.isValid())
        out.insert(currency, value.toDouble());
    }
    return out;
  }
  qint64 defaultRows(test::TestDatabase& data) { return data.count(m_texts.table.defaultsTable); }
  qint64 idOf(test::TestDatabase& data, const QString& name) {
    return data
        .scalar(QStringLiteral("SELECT max(ID) FROM %1 WHERE %2=:n")
                    .arg(m_texts.table.named.table, m_texts.table.named.column),
                {{QStringLiteral("n"), name}})
        .toLongLong();
  }

private:
  PricedEditorTexts m_texts;

public:
  PricedEntryEditForm form;
};

} // namespace

class TestPricedEntries : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void newEntryWithoutAmountsWritesTheEntryOnly_data() { addKinds(); }
  void newEntryWithoutAmountsWritesTheEntryOnly() {
    QFETCH(QString, kind);
    test::TestSession session;
    test::RecordingMessages messages;
    Editor editor(session.context(), kind);
    editor.form.prepare(EntryEditor::Mode::Create, QString(), QString());

    // One row per currency, by name; the currency's ID column is hidden.
    QTableWidget* grid = editor.grid();
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Доллар США"));
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("Рубль"));
    QVERIFY(grid->isColumnHidden(0));
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Сумма по умолчанию"));
    QVERIFY(!(grid->item(0, 1)->flags() & Qt::ItemIsEditable));

    const qint64 rows = editor.defaultRows(session.data());
    const QString name = QStringLiteral("Экспресс \"Север\" д'Артаньян");
    editor.name()->setText(name);
    QVERIFY(editor.ok());
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(editor.idOf(session.data(), name) > 0);
    QCOMPARE(editor.defaultRows(session.data()), rows);
    QCOMPARE(lastAction(session.data()), Kind(::kind(kind)).createAction + name);
  }

  // Amounts are stored per currency; a cleared amount writes 0 and shows empty,
  // and saving again updates the rows instead of adding more.
  void amountsPerCurrency_data() { addKinds(); }
  void amountsPerCurrency() {
    QFETCH(QString, kind);
    test::TestSession session;
    const QString usd = QStringLiteral("Доллар США"), eur = QStringLiteral("Евро");
    {
      Editor editor(session.context(), kind);
      editor.form.prepare(EntryEditor::Mode::Create, QString(), QString());
      editor.name()->setText(QStringLiteral("Междугородний"));
      editor.setAmount(usd, QStringLiteral("1500,5"));
      editor.setAmount(eur, QStringLiteral("-"));
      QVERIFY(editor.ok());
    }
    Editor editor(session.context(), kind);
    const qint64 id = editor.idOf(session.data(), QStringLiteral("Междугородний"));
    QCOMPARE(editor.stored(session.data(), id), (QVariantMap{{usd, 1500.5}}));

    editor.form.prepare(EntryEditor::Mode::Edit, QString(), QString());

    QVERIFY(editor.form.load(QStringLiteral("Междугородний")));
    QCOMPARE(editor.amount(usd), QStringLiteral("1500,50"));
    QCOMPARE(editor.amount(eur), QString());
    editor.setAmount(usd, QString());
    editor.setAmount(eur, QStringLiteral("200"));
    editor.name()->setText(QStringLiteral("Междугородний плюс"));
    QVERIFY(editor.ok());
    QCOMPARE(editor.stored(session.data(), id), (QVariantMap{{usd, 0.0}, {eur, 200.0}}));
    QCOMPARE(lastAction(session.data()), Kind(::kind(kind)).editAction + QStringLiteral("Междугородний"));

    const qint64 rows = editor.defaultRows(session.data());
    Editor again(session.context(), kind);
    again.form.prepare(EntryEditor::Mode::Edit, QString(), QString());
    QVERIFY(again.form.load(QStringLiteral("Междугородний плюс")));
    QCOMPARE(again.amount(usd), QString());
    QCOMPARE(again.amount(eur), QStringLiteral("200,00"));
    QVERIFY(again.ok());
    QCOMPARE(again.defaultRows(session.data()), rows);
    QCOMPARE(again.stored(session.data(), id), (QVariantMap{{usd, 0.0}, {eur, 200.0}}));
  }

  void cellThatIsNoAmountIsRefused_data() { addKinds(); }
  void cellThatIsNoAmountIsRefused() {
    QFETCH(QString, kind);
    test::TestSession session;
    test::RecordingMessages messages;
    Editor editor(session.context(), kind);
    editor.form.prepare(EntryEditor::Mode::Create, QString(), QString());
    editor.name()->setText(QStringLiteral("Ночной"));
    editor.setAmount(QStringLiteral("Евро"), QStringLiteral("10"));
    editor.setAmount(QStringLiteral("Рубль"), QStringLiteral("1,2,3"));
    QVERIFY(!editor.ok());
    QCOMPARE(messages.last().text,
             QStringLiteral("Сумма «1,2,3» для валюты «Рубль» указана неверно. Введите число, например 1500,50."));
    QCOMPARE(messages.last().icon, QMessageBox::Warning);
    QCOMPARE(editor.grid()->currentRow(), editor.row(QStringLiteral("Рубль")));
    // Nothing at all was written, not even the name.
    QCOMPARE(editor.idOf(session.data(), QStringLiteral("Ночной")), 0);

    editor.setAmount(QStringLiteral("Рубль"), QStringLiteral(","));
    QVERIFY(!editor.ok());
    editor.setAmount(QStringLiteral("Рубль"), QStringLiteral("1,25"));
    QVERIFY(editor.ok());
    QCOMPARE(editor.stored(session.data(), editor.idOf(session.data(), QStringLiteral("Ночной"))),
             (QVariantMap{{QStringLiteral("Евро"), 10.0}, {QStringLiteral("Рубль"), 1.25}}));
  }

  void typingKeepsDigitsAndOneComma() {
    test::TestSession session;
    Editor editor(session.context(), QStringLiteral("tariff"));
    editor.form.prepare(EntryEditor::Mode::Create, QString(), QString());
    QTableWidget* grid = editor.grid();
    grid->setCurrentCell(0, 2);
    grid->editItem(grid->item(0, 2));
    auto* cellEditor = grid->viewport()->findChild<QLineEdit*>();
    QVERIFY(cellEditor);
    for (const QChar c : QStringLiteral("1a2.,3-,45x"))
      QTest::sendKeyEvent(QTest::Click, cellEditor, Qt::Key_unknown, QString(c), {});
    QCOMPARE(cellEditor->text(), QStringLiteral("12,34"));
    // OK while the cell is still open saves what it shows.
    editor.name()->setText(QStringLiteral("Почасовой"));
    QVERIFY(editor.ok());
    QCOMPARE(editor.stored(session.data(), editor.idOf(session.data(), QStringLiteral("Почасовой"))),
             (QVariantMap{{QStringLiteral("Доллар США"), 12.34}}));
  }

  // The amounts of a new entry land under the entry just inserted, even where
  // another entry has its name.
  void newEntryKeepsItsOwnAmounts_data() { addKinds(); }
  void newEntryKeepsItsOwnAmounts() {
    QFETCH(QString, kind);
    test::TestSession session;
    const PricedEditorTexts texts = ::kind(kind).texts();
    const qint64 older = session.data().exec(QStringLiteral("INSERT INTO %1 (%2, Активно) VALUES ('Таможня', False)")
                                                 .arg(texts.table.named.table, texts.table.named.column));
    Editor editor(session.context(), kind);
    editor.form.prepare(EntryEditor::Mode::Create, QString(), QString());
    editor.name()->setText(QStringLiteral("Таможня"));
    editor.setAmount(QStringLiteral("Рубль"), QStringLiteral("3000"));
    QVERIFY(editor.ok());
    const qint64 created = editor.idOf(session.data(), QStringLiteral("Таможня"));
    QVERIFY(created != older);
    QCOMPARE(editor.stored(session.data(), created), (QVariantMap{{QStringLiteral("Рубль"), 3000.0}}));
    QVERIFY(editor.stored(session.data(), older).isEmpty());
    // Editing the listed entry finds the active one, not the deactivated twin.
    Editor edit(session.context(), kind);
    edit.form.prepare(EntryEditor::Mode::Edit, QString(), QString());
    QVERIFY(edit.form.load(QStringLiteral("Таможня")));
    QCOMPARE(edit.amount(QStringLiteral("Рубль")), QStringLiteral("3000,00"));
  }

  // Expense kinds are renamed by their name, deactivated ones included, so the
  // invoices of earlier orders follow; a tariff renames its own row only.
  void renamingFollowsTheKind_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("renamedTwins");
    QTest::newRow("tariffs") << "tariff" << qint64(0);
    QTest::newRow("expense kinds") << "expense" << qint64(1);
  }
  void renamingFollowsTheKind() {
    QFETCH(QString, kind);
    QFETCH(qint64, renamedTwins);
    test::TestSession session;
    const NamedTable table = ::kind(kind).texts().table.named;
    for (const char* active : {"False", "True"})
      session.data().exec(QStringLiteral("INSERT INTO %1 (%2, Активно) VALUES ('Погрузка', %3)")
                              .arg(table.table, table.column, QLatin1String(active)));
    Editor editor(session.context(), kind);
    editor.form.prepare(EntryEditor::Mode::Edit, QString(), QString());
    QVERIFY(editor.form.load(QStringLiteral("Погрузка")));
    editor.name()->setText(QStringLiteral("Погрузка и выгрузка"));
    QVERIFY(editor.ok());
    const QString where = table.column + QStringLiteral("='Погрузка и выгрузка' AND Активно=%1");
    QCOMPARE(session.data().count(table.table, where.arg(QStringLiteral("True"))), 1);
    QCOMPARE(session.data().count(table.table, where.arg(QStringLiteral("False"))), renamedTwins);
  }

  // An expense kind is only deactivated, so orders still name it; a tariff is removed.
  void deleting_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("countLine");
    QTest::addColumn<qint64>("rowsLeft");
    QTest::newRow("tariffs") << "tariff"
                             << "Всего тарифов: 1" << qint64(0);
    QTest::newRow("expense kinds") << "expense"
                                   << "Всего активных расходов: 0" << qint64(1);
  }
  void deleting() {
    QFETCH(QString, kind);
    QFETCH(QString, countLine);
    QFETCH(qint64, rowsLeft);
    test::TestSession session;
    test::RecordingMessages messages;
    const NamedTable table = ::kind(kind).texts().table.named;
    const qint64 id =
        session.data().exec(QStringLiteral("INSERT INTO %1 (%2) VALUES ('Простой')").arg(table.table, table.column));
    session.data().exec(QStringLiteral("INSERT INTO Расходные (Заявка_ID, Расход_ID, Расходные) VALUES (7, :id, 50)"),
                        {{QStringLiteral("id"), id}});
    DirectoryWindow window(session.context(), ::kind(kind).directory());
    test::selectEntry(window, QStringLiteral("Простой"));
    const qint64 journal = session.data().count("Протокол");

    messages.answers = {QMessageBox::No, QMessageBox::Yes};
    test::click(&window, "DeleteBtn");
    QCOMPARE(session.data().count(table.table, QStringLiteral("ID=%1").arg(id)), 1);
    test::click(&window, "DeleteBtn");
    QCOMPARE(messages.last().caption, QStringLiteral("Удаление"));
    QCOMPARE(window.countText(), countLine);
    QVERIFY(!window.names().contains(QStringLiteral("Простой")));
    QCOMPARE(session.data().count(table.table, QStringLiteral("ID=%1").arg(id)), rowsLeft);
    QCOMPARE(session.data().count("Протокол"), journal);
    if (kind == u"expense")
      QCOMPARE(session.data()
                   .scalar(QStringLiteral("SELECT r.Расход FROM Расходные e JOIN Расходы r ON r.ID=e.Расход_ID "
                                          "WHERE e.Заявка_ID=7"))
                   .toString(),
               QStringLiteral("Простой"));
  }

  void windowsOpenTheirEditor_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("windowClass");
    QTest::addColumn<QString>("editorClass");
    QTest::addColumn<QString>("nameField");
    QTest::newRow("tariffs") << "tariff"
                             << "TTarifManagerForm"
                             << "TTarifEditForm"
                             << "TarifName";
    QTest::newRow("expense kinds") << "expense"
                                   << "TExpensesManagerForm"
                                   << "TExpenseEditForm"
                                   << "ExpenseName";
  }
  void windowsOpenTheirEditor() {
    QFETCH(QString, kind);
    QFETCH(QString, windowClass);
    QFETCH(QString, editorClass);
    QFETCH(QString, nameField);
    test::TestSession session;
    DirectoryWindow window(session.context(), ::kind(kind).directory());
    QCOMPARE(window.objectName(), windowClass);
    QCOMPARE(window.findChild<QPushButton*>("AddBtn")->text(), QStringLiteral("Добавить..."));

    test::NextModal create([&](QDialog* dialog) {
      dialog->findChild<QLineEdit*>(nameField)->setText(QStringLiteral("Срочный"));
      test::click(dialog, "OKBtn");
    });
    test::click(&window, "AddBtn");
    QCOMPARE(create.dialogName(), editorClass);
    QVERIFY(!create.leftOpen());
    QCOMPARE(window.selectedName(), QStringLiteral("Срочный"));
  }
};

VH_TEST_MAIN(TestPricedEntries)
#include "tst_pricedentries.moc"
