#include "core/db/sqlitefunctions.h"
#include "core/db/statement.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

using namespace vh;

class TestStatement : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void rewritesNamedParameters_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("positional");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("cyrillic") << "UPDATE Заявки SET Маршрут=:Маршрут WHERE ID=:ID"
                              << "UPDATE Заявки SET Маршрут=? WHERE ID=?" << QStringList{"Маршрут", "ID"};
    QTest::newRow("name used twice") << "SELECT 1 WHERE :a_1 > 0 OR :a_1 < 0"
                                     << "SELECT 1 WHERE ? > 0 OR ? < 0" << QStringList{"a_1", "a_1"};
    QTest::newRow("colon inside a literal") << "SELECT '10:30 :Время' AS t, :Время"
                                            << "SELECT '10:30 :Время' AS t, ?" << QStringList{"Время"};
    QTest::newRow("doubled quote in a literal") << "SELECT 'O''Neil :x' || :y"
                                                << "SELECT 'O''Neil :x' || ?" << QStringList{"y"};
    QTest::newRow("quoted identifier and comment") << "SELECT \":name\" -- :c\n, :d"
                                                   << "SELECT \":name\" -- :c\n, ?" << QStringList{"d"};
    QTest::newRow("cast is not a parameter") << "SELECT x::text, :v"
                                             << "SELECT x::text, ?" << QStringList{"v"};
    QTest::newRow("digits after colon") << "SELECT '1' WHERE 2 = :2x OR t = '12:00'"
                                        << "SELECT '1' WHERE 2 = :2x OR t = '12:00'" << QStringList{};
  }
  void rewritesNamedParameters() {
    QFETCH(QString, sql);
    QFETCH(QString, positional);
    QFETCH(QStringList, names);
    const PositionalStatement out = toPositional(sql);
    QCOMPARE(out.text, positional);
    QCOMPARE(out.names, names);
  }

  // Values with quotes and colons are only ever data.
  void bindsValuesAsData() {
    test::TestDatabase data;
    Database& db = data.db();
    const QString name = QStringLiteral("ООО \"Ромашка\" O'Neil; DROP TABLE Клиенты; -- :ID");
    const qint64 id = attempt([&] {
                        Statement insert(db, QStringLiteral("INSERT INTO Клиенты (Организация, Контакты) "
                                                            "VALUES (:Организация, :Организация)"));
                        insert.bind(QStringLiteral("Организация"), name);
                        return insert.insert();
                      }).value();
    QVERIFY(id > 0);
    QCOMPARE(data.scalar("SELECT Контакты FROM Клиенты WHERE Организация=:n", {{"n", name}}).toString(), name);
    QCOMPARE(data.count("Клиенты"), 1);
  }

  void reportsEngineErrorsAndMissingValues() {
    test::TestDatabase data;
    const auto broken = attempt([&] { Statement q(data.db(), QStringLiteral("SELECT Нет FROM Клиенты")); });
    QVERIFY(!broken);
    QVERIFY2(broken.error().text.contains(QStringLiteral("Нет")), qPrintable(broken.error().text));
    const auto unbound = attempt([&] {
      Statement q(data.db(), QStringLiteral("SELECT ID FROM Клиенты WHERE ID=:ID"));
      q.exec();
    });
    QVERIFY(!unbound);
    QVERIFY(unbound.error().text.contains(QStringLiteral(":ID")));
  }

  void typedValuesRoundTrip() {
    test::TestDatabase data;
    const QDateTime moment(QDate(2026, 3, 7), QTime(14, 5, 9));
    const qint64 id =
        data.exec(QStringLiteral("INSERT INTO Заявки (НачалоЗаказа, ОплатаКлиента, Сумма, ДатаОплатыКлиента) "
                                 "VALUES (:t, :paid, :sum, :none)"),
                  {{"t", moment}, {"paid", true}, {"sum", 1234.5}, {"none", QVariant()}});
    VH_VERIFY_OK(attempt([&] {
      Statement q(data.db(), QStringLiteral("SELECT * FROM Заявки WHERE ID=:ID"));
      q.bind(QStringLiteral("ID"), id);
      QVERIFY(q.first());
      QCOMPARE(q.dateTime(QStringLiteral("НачалоЗаказа")), moment);
      QCOMPARE(q.text(QStringLiteral("НачалоЗаказа")), QStringLiteral("2026-03-07 14:05:09"));
      QVERIFY(q.boolean(QStringLiteral("ОплатаКлиента")));
      QVERIFY(!q.boolean(QStringLiteral("Done")));
      QCOMPARE(q.number(QStringLiteral("Сумма")), 1234.5);
      QVERIFY(q.isNull(QStringLiteral("ДатаОплатыКлиента")));
      // The database stamps the creation moment itself.
      QVERIFY(q.dateTime(QStringLiteral("Создано")).isValid());
    }));
  }

  void likeIgnoresCyrillicCase_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");
    QTest::newRow("cyrillic upper in text") << "ИВАНОВ Пётр"
                                            << "%иванов%" << true;
    QTest::newRow("cyrillic lower in text") << "иванов"
                                            << "%ИВАН%" << true;
    QTest::newRow("ё") << "Фёдоров"
                       << "%ФЁД%" << true;
    QTest::newRow("no match") << "Петров"
                              << "%иван%" << false;
    QTest::newRow("underscore") << "Рига"
                                << "Р_га" << true;
    QTest::newRow("anchored start") << "Москва — Рига"
                                    << "Рига%" << false;
    QTest::newRow("escaped percent") << "скидка 50%"
                                     << "%50\\%%" << true;
    QTest::newRow("escaped percent literal") << "скидка 500"
                                             << "%50\\%%" << false;
  }
  void likeIgnoresCyrillicCase() {
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(sqlLikeMatch(pattern, text, u'\\'), matches);
    // The same through the engine.
    test::TestDatabase data;
    QCOMPARE(data.scalar(QStringLiteral("SELECT :t LIKE :p ESCAPE '\\'"), {{"t", text}, {"p", pattern}}).toInt(),
             matches ? 1 : 0);
  }

  void likeContainsEscapesWildcards() {
    test::TestDatabase data;
    data.exec(QStringLiteral("INSERT INTO Группы (Наименование) VALUES ('Скидка 50%')"));
    data.exec(QStringLiteral("INSERT INTO Группы (Наименование) VALUES ('Скидка 500')"));
    QCOMPARE(data.count("Группы", "lower(Наименование) LIKE lower(:p) ESCAPE '\\'", {{"p", likeContains("КА 50%")}}),
             1);
    QCOMPARE(data.scalar("SELECT upper('ёлка')").toString(), QStringLiteral("ЁЛКА"));
    QCOMPARE(data.scalar("SELECT lower('ÄРЗ')").toString(), QStringLiteral("äрз"));
  }

  void russianCollationOrders() {
    test::TestDatabase data;
    for (const char* name : {"яблоко", "Ёлка", "абрикос", "Банан", "ель"})
      data.exec(QStringLiteral("INSERT INTO Группы (Наименование) VALUES (:n)"), {{"n", QString::fromUtf8(name)}});
    QStringList order;
    VH_VERIFY_OK(attempt([&] {
      Statement q(data.db(), QStringLiteral("SELECT Наименование FROM Группы ORDER BY Наименование COLLATE ru"));
      q.exec();
      while (q.next())
        order.append(q.text(QStringLiteral("Наименование")));
    }));
    QCOMPARE(order, (QStringList{"абрикос", "Банан", "Ёлка", "ель", "яблоко"}));
  }

  void transactionsRollBackAsAWhole() {
    test::TestDatabase data;
    const auto failed = attempt([&] {
      Transaction outer(data.db());
      data.exec(QStringLiteral("INSERT INTO Группы (Наименование) VALUES ('A')"));
      {
        Transaction inner(data.db());
        data.exec(QStringLiteral("INSERT INTO Группы (Наименование) VALUES ('B')"));
        fail(QStringLiteral("stop"));
      }
    });
    QVERIFY(!failed);
    QCOMPARE(data.count("Группы"), 0);
    QVERIFY(!data.db().inTransaction());
    VH_VERIFY_OK(attempt([&] {
      Transaction t(data.db());
      data.exec(QStringLiteral("INSERT INTO Группы (Наименование) VALUES ('C')"));
      t.commit();
    }));
    QCOMPARE(data.count("Группы"), 1);
  }
};

VH_TEST_MAIN(TestStatement)
#include "tst_statement.moc"
