#include "core/app/databasesetup.h"
#include "core/db/database.h"
#include "core/db/dialect.h"
#include "core/db/statement.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace vh;

namespace {

QByteArray fingerprint(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A plain SQLite file made by another program.
void makeForeignSqlite(const QString& path, int ourVersion = 0) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    QSqlQuery q(db);
    if (ourVersion > 0) {
      QVERIFY(q.exec(QStringLiteral("CREATE TABLE schema_info (key TEXT PRIMARY KEY, value TEXT)")));
      QVERIFY(q.exec(QStringLiteral("INSERT INTO schema_info VALUES ('application', 'Verholm')")));
      QVERIFY(q.exec(QStringLiteral("INSERT INTO schema_info VALUES ('version', '%1')").arg(ourVersion)));
    } else {
      QVERIFY(q.exec(QStringLiteral("CREATE TABLE notes (id INTEGER, text TEXT)")));
    }
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
}

QStringList columnsOf(Database& db, const QString& table) {
  QStringList columns;
  Statement q(db, QStringLiteral("SELECT name FROM pragma_table_info(:t)"));
  q.bind(QStringLiteral("t"), table);
  q.exec();
  while (q.next())
    columns.append(q.text(QStringLiteral("name")));
  return columns;
}

} // namespace

class TestDatabaseFile : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void refusesForeignFilesWithoutTouchingThem_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("text file") << "text"
                               << "не является базой данных программы Verholm";
    QTest::newRow("empty file") << "empty"
                                << "не является базой данных программы Verholm";
    QTest::newRow("another program's SQLite file") << "foreign"
                                                   << "не является базой данных программы Verholm";
    QTest::newRow("written by a newer version") << "newer"
                                                << "более новой версией программы";
  }
  void refusesForeignFilesWithoutTouchingThem() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Verholm.db"));
    if (kind == u"text")
      writeFile(path, "Счет-фактура № 15\nне база данных\n");
    else if (kind == u"empty")
      writeFile(path, {});
    else
      makeForeignSqlite(path, kind == u"newer" ? Database::currentSchemaVersion() + 1 : 0);
    const QByteArray before = fingerprint(path);

    const auto opened = Database::openSqlite(path);
    QVERIFY(!opened);
    QVERIFY2(opened.error().text.contains(message), qPrintable(opened.error().text));
    QCOMPARE(fingerprint(path), before);
    QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
  }

  void createRefusesExistingFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Verholm.db"));
    writeFile(path, "keep me");
    CreateDatabaseOptions options;
    options.adminPassword = QStringLiteral("secret");
    const auto created = createDatabaseFile(path, options);
    QVERIFY(!created);
    QVERIFY(created.error().text.contains(QStringLiteral("уже существует")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
  }

  void newDatabaseHasTheWholeSchema_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    QTest::newRow("Заявки") << "Заявки"
                            << QStringList{"ID",
                                           "Создано",
                                           "Creator_ID",
                                           "НачалоЗаказа",
                                           "ОкончаниеЗаказа",
                                           "ОбщееВремя",
                                           "Клиент_ID",
                                           "Заказчик_ID",
                                           "ТипТС_ID",
                                           "ПараметрыТС",
                                           "Источник_ID",
                                           "Реклама_ID",
                                           "Диспетчер_ID",
                                           "Маршрут",
                                           "Загрузка",
                                           "Разгрузка",
                                           "ТаможняНазначения",
                                           "Груз",
                                           "Получатель",
                                           "Экспедиция",
                                           "Исполнитель_ID",
                                           "Автомобиль_ID",
                                           "Водитель_ID",
                                           "Менеджер_ID",
                                           "Валюта_ID",
                                           "Расчет",
                                           "Тариф_ID",
                                           "ЦенаПеревозки",
                                           "Сумма",
                                           "СуммаКлиента",
                                           "СуммаКлиентаРуб",
                                           "ОплатаКлиента",
                                           "ДатаОплатыКлиента",
                                           "СуммаИсполнителю",
                                           "СуммаИсполнителюРуб",
                                           "ОплатаИсполнителю",
                                           "ДатаОплатыИсполнителю",
                                           "Прибыль",
                                           "Дополнительно",
                                           "Done"};
    QTest::newRow("Расходные") << "Расходные" << QStringList{"ID", "Заявка_ID", "Расход_ID", "Расходные"};
    QTest::newRow("Файлы") << "Файлы" << QStringList{"ID", "Заявка_ID", "Файл", "Описание"};
    QTest::newRow("Клиенты") << "Клиенты" << QStringList{"ID", "Организация", "Группа_ID", "Контакты"};
    QTest::newRow("Группы") << "Группы" << QStringList{"ID", "Наименование"};
    QTest::newRow("Заказчики") << "Заказчики" << QStringList{"ID", "Клиент_ID", "ФИО", "Телефон"};
    QTest::newRow("Исполнители") << "Исполнители" << QStringList{"ID", "Исполнитель", "Телефон", "Факс", "EMAIL"};
    QTest::newRow("Авто") << "Авто" << QStringList{"ID", "Исполнитель_ID", "Марка", "Номер", "ТипТС_ID", "Описание"};
    QTest::newRow("Водители") << "Водители" << QStringList{"ID", "Авто_ID", "Водитель", "Телефон"};
    QTest::newRow("Менеджеры") << "Менеджеры" << QStringList{"ID", "Исполнитель_ID", "Менеджер", "Телефон"};
    QTest::newRow("ТС") << "ТС" << QStringList{"ID", "Наименование", "ВремяПодачи", "Минимал"};
    QTest::newRow("Источники") << "Источники" << QStringList{"ID", "Наименование"};
    QTest::newRow("Реклама") << "Реклама" << QStringList{"ID", "Наименование"};
    QTest::newRow("Диспетчеры") << "Диспетчеры" << QStringList{"ID", "ФИО", "Контакты"};
    QTest::newRow("Валюты") << "Валюты" << QStringList{"ID", "Валюта", "Код", "Курс", "Обновлено", "Язык"};
    QTest::newRow("Тарифы") << "Тарифы" << QStringList{"ID", "Тариф", "Активно"};
    QTest::newRow("УмолчанияТарифов") << "УмолчанияТарифов"
                                      << QStringList{"ID", "Тариф_ID", "Валюта_ID", "ПоУмолчанию"};
    QTest::newRow("Расходы") << "Расходы" << QStringList{"ID", "Расход", "Активно"};
    QTest::newRow("УмолчанияРасходов") << "УмолчанияРасходов"
                                       << QStringList{"ID", "Расход_ID", "Валюта_ID", "ПоУмолчанию"};
    QTest::newRow("Фирмы") << "Фирмы" << QStringList{"ID", "Фирма", "Телефон", "Реквизиты", "Умолчание"};
    QTest::newRow("Пользователи") << "Пользователи" << QStringList{"ID", "ФИО", "Логин", "Пароль", "Status_ID", "Цвет"};
    QTest::newRow("Статусы") << "Статусы" << QStringList{"ID", "Название"};
    QTest::newRow("Полномочия") << "Полномочия" << QStringList{"ID", "Status_ID", "Поле", "Чтение", "Изменение"};
    QTest::newRow("Настройки") << "Настройки" << QStringList{"ID", "User_ID", "Параметр", "Значение"};
    QTest::newRow("Протокол") << "Протокол" << QStringList{"ID", "ДатаВремя", "Действие", "Логин", "Детализация"};
    QTest::newRow("Константы") << "Константы" << QStringList{"Ключ", "Значение"};
  }
  void newDatabaseHasTheWholeSchema() {
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    test::TestDatabase data;
    const auto actual = attempt([&] { return columnsOf(data.db(), table); });
    VH_VERIFY_OK(actual);
    QCOMPARE(*actual, columns);
    // Every reference column is indexed.
    for (const QString& column : columns) {
      if (!column.endsWith(QStringLiteral("_ID")))
        continue;
      QVERIFY2(data.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='index' AND tbl_name=:t "
                                          "AND sql LIKE :c"),
                           {{"t", table}, {"c", QStringLiteral("%(") + column + QStringLiteral(")%")}})
                       .toInt() == 1,
               qPrintable(table + u'.' + column));
    }
  }

  void newDatabaseCarriesFixedRows() {
    test::TestDatabase data;
    for (const char* key : {"Number", "NDS", "Director", "Accountant", "SMTP", "PORT", "MAIL_LOGIN", "MAIL_PASS",
                            "DELAY", "EXPIRATION", "DOWNTIME"})
      QCOMPARE(data.count("Константы", "Ключ=:k", {{"k", QString::fromLatin1(key)}}), 1);
    QCOMPARE(data.scalar("SELECT Значение FROM Константы WHERE Ключ='NDS'").toString(), QStringLiteral("22"));
    QCOMPARE(data.scalar("SELECT Значение FROM Константы WHERE Ключ='Number'").toString(), QStringLiteral("0"));
    // The administrator holds a status without restrictions; the password is a salted hash.
    QCOMPARE(data.count("Пользователи", "Логин='Administrator' AND Status_ID=(SELECT ID FROM Статусы WHERE "
                                        "Название='Администратор')"),
             1);
    QCOMPARE(data.count("Полномочия"), 0);
    QVERIFY(data.scalar("SELECT Пароль FROM Пользователи").toString().startsWith(QStringLiteral("$argon2id$")));
    QCOMPARE(data.count("Источники", "Наименование IN ('Реклама', 'Диспетчер')"), 2);
    QCOMPARE(data.count("Валюты", "Валюта='Рубль' AND Код='' AND Курс=1"), 1);
    QCOMPARE(data.count("Валюты", "Код IN ('USD', 'EUR')"), 2);
    QVERIFY(data.count("Тарифы", "Активно=True") >= 1);
    QVERIFY(data.count("ТС") >= 5);
  }

  // Inserts that leave columns out rely on these defaults.
  void columnDefaults() {
    test::TestDatabase data;
    const qint64 order = data.exec(QStringLiteral("INSERT INTO Заявки (Маршрут) VALUES ('Москва — Рига')"));
    QCOMPARE(data.scalar("SELECT Done FROM Заявки WHERE ID=:id", {{"id", order}}).toInt(), 0);
    QVERIFY(dateTimeFromEngine(data.scalar("SELECT Создано FROM Заявки WHERE ID=:id", {{"id", order}})).isValid());
    QCOMPARE(data.scalar("SELECT Реклама_ID + Диспетчер_ID FROM Заявки WHERE ID=:id", {{"id", order}}).toInt(), 0);
    QVERIFY(data.scalar("SELECT ДатаОплатыКлиента FROM Заявки WHERE ID=:id", {{"id", order}}).isNull());
    data.exec(QStringLiteral("INSERT INTO Тарифы (Тариф) VALUES ('Ночной')"));
    QCOMPARE(data.count("Тарифы", "Тариф='Ночной' AND Активно=True"), 1);
    data.exec(QStringLiteral("INSERT INTO Расходы (Расход) VALUES ('Паром')"));
    QCOMPARE(data.count("Расходы", "Расход='Паром' AND Активно=True"), 1);
    data.exec(QStringLiteral("INSERT INTO Полномочия (Status_ID, Поле, Изменение) VALUES (1, 'OrderDelete', True)"));
    QCOMPARE(data.count("Полномочия", "Поле='OrderDelete' AND Чтение=False"), 1);
    data.exec(QStringLiteral("INSERT INTO Фирмы (Фирма) VALUES ('ООО «Тест»')"));
    QCOMPARE(data.count("Фирмы", "Умолчание=False"), 1);
    data.exec(QStringLiteral("INSERT INTO Протокол (Действие, Логин) VALUES ('x', 'y')"));
    QVERIFY(dateTimeFromEngine(data.scalar("SELECT ДатаВремя FROM Протокол")).isValid());
  }

  // An older file is brought up to date when it is opened.
  void upgradesOlderSchema() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.db"));
    {
      test::TestDatabase data;
      QVERIFY(QFile::copy(data.path(), path));
    }
    {
      auto db = Database::openSqlite(path);
      VH_VERIFY_OK(db);
      VH_VERIFY_OK(attempt([&] {
        for (const char* sql : {"DELETE FROM Константы", "DELETE FROM Источники", "DELETE FROM Валюты",
                                "DELETE FROM Тарифы", "DELETE FROM ТС", "DELETE FROM Пользователи",
                                "DELETE FROM Статусы", "UPDATE schema_info SET value='1' WHERE key='version'"}) {
          Statement q(**db, QString::fromUtf8(sql));
          q.exec();
        }
      }));
      QCOMPARE((*db)->schemaVersion(), 1);
    }
    auto reopened = Database::openSqlite(path);
    VH_VERIFY_OK(reopened);
    QCOMPARE((*reopened)->schemaVersion(), Database::currentSchemaVersion());
    VH_VERIFY_OK(attempt([&] {
      Statement q(**reopened, QStringLiteral("SELECT count(*) AS n FROM Константы"));
      QVERIFY(q.first());
      QCOMPARE(q.integer(QStringLiteral("n")), 11);
    }));
  }

  void demoDataFillsARealisticRegister() {
    test::TestDatabase data(true);
    QCOMPARE(data.count("Заявки"), 120);
    QVERIFY(data.count("Заявки", "Done=True") > 0);
    QVERIFY(data.count("Заявки", "Done=False") > 0);
    QVERIFY(data.count("Заявки", "ОплатаКлиента=True") > 0);
    QVERIFY(data.count("Заявки", "ОплатаКлиента=False AND ДатаОплатыКлиента IS NULL") > 0);
    QVERIFY(data.scalar("SELECT count(DISTINCT Creator_ID) FROM Заявки").toInt() > 1);
    QVERIFY(data.scalar("SELECT count(DISTINCT Валюта_ID) FROM Заявки").toInt() > 1);
    QVERIFY(data.count("Заказчики") >= data.count("Клиенты"));
    QVERIFY(data.count("Водители") >= data.count("Авто"));
    QVERIFY(data.count("Менеджеры") >= data.count("Исполнители"));
    QVERIFY(data.count("Клиенты", "Группа_ID IS NULL") == 0);
    // Every order's references resolve.
    QCOMPARE(data.count("Заявки", "Водитель_ID NOT IN (SELECT ID FROM Водители) OR Клиент_ID NOT IN (SELECT ID "
                                  "FROM Клиенты)"),
             0);
  }
};

VH_TEST_MAIN(TestDatabaseFile)
#include "tst_database.moc"
