#include "core/journal/journalwriter.h"
#include "core/rights/loginservice.h"
#include "core/rights/passwordhash.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

using namespace vh;

class TestLogin : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void refusesWrongCredentials_data() {
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::newRow("wrong password") << "Administrator"
                                    << "Admin";
    QTest::newRow("unknown login") << "Nobody"
                                   << "admin";
    QTest::newRow("quote in the login") << "O'Brien' OR '1'='1"
                                        << "admin";
    QTest::newRow("quote in the password") << "Administrator"
                                           << "' OR '1'='1";
  }
  void refusesWrongCredentials() {
    QFETCH(QString, login);
    QFETCH(QString, password);
    test::TestDatabase data;
    const auto outcome = LoginService(data.db()).login(login, password);
    VH_VERIFY_OK(outcome);
    QVERIFY(!outcome->has_value());
    QCOMPARE(data.count("Протокол"), 0);
  }

  void logsInAndRecordsTheLoginAsTyped() {
    test::TestDatabase data;
    const auto outcome = LoginService(data.db()).login(QStringLiteral("administrator"), QStringLiteral("admin"));
    VH_VERIFY_OK(outcome);
    QVERIFY(outcome->has_value());
    const Session& session = (*outcome)->session;
    QCOMPARE(session.user.id, data.adminId());
    QCOMPARE(session.user.login, QStringLiteral("administrator"));
    QCOMPARE(session.user.fullName, QStringLiteral("Administrator"));
    QCOMPARE(session.journalUserIds, QList<qint64>{data.adminId()});
    QCOMPARE(data.scalar("SELECT Действие || '|' || Логин || '|' || Детализация FROM Протокол").toString(),
             QStringLiteral("Вход в программу|administrator|"));
  }

  // Rights rows are kept in their order; "#" rows with read open other users' journals.
  void gathersRightsJournalListAndView() {
    test::TestDatabase data;
    const qint64 status = data.exec(QStringLiteral("INSERT INTO Статусы (Название) VALUES ('Менеджер')"));
    const auto user = [&](const char* login) {
      return data.exec(
          QStringLiteral("INSERT INTO Пользователи (ФИО, Логин, Пароль, Status_ID) VALUES (:f, :l, :p, :s)"),
          {{"f", QString::fromLatin1(login)},
           {"l", QString::fromLatin1(login)},
           {"p", hashPassword(QStringLiteral("pw"))},
           {"s", status}});
    };
    const qint64 ivanov = user("ivanov");
    const qint64 petrov = user("petrov");
    const qint64 sidorov = user("sidorov");
    const auto right = [&](const QString& key, bool read, bool change) {
      data.exec(QStringLiteral("INSERT INTO Полномочия (Status_ID, Поле, Чтение, Изменение) VALUES (:s, :k, :r, :c)"),
                {{"s", status}, {"k", key}, {"r", read}, {"c", change}});
    };
    right(QStringLiteral("#%1").arg(sidorov), true, false);
    right(QStringLiteral("_ClientName"), true, false);
    right(QStringLiteral("#%1").arg(petrov), false, true); // read false grants nothing
    right(QStringLiteral("#%1").arg(data.adminId()), true, false);
    right(QStringLiteral("OrderDelete"), true, false);
    data.exec(QStringLiteral("INSERT INTO Настройки (User_ID, Параметр, Значение) VALUES (:u, 'ColShow3', 0)"),
              {{"u", ivanov}});
    data.exec(QStringLiteral("INSERT INTO Настройки (User_ID, Параметр, Значение) VALUES (:u, 'ColWidth7', 240)"),
              {{"u", ivanov}});
    data.exec(QStringLiteral("INSERT INTO Настройки (User_ID, Параметр, Значение) VALUES (:u, 'BandsShow', 0)"),
              {{"u", ivanov}});

    const auto outcome = LoginService(data.db()).login(QStringLiteral("ivanov"), QStringLiteral("pw"));
    VH_VERIFY_OK(outcome);
    QVERIFY(outcome->has_value());
    const Session& session = (*outcome)->session;
    QCOMPARE(session.rights.rows().size(), 5);
    QCOMPARE(session.rights.rows().at(1).key, QStringLiteral("_ClientName"));
    QVERIFY(session.rights.fieldVisible(QStringLiteral("_ClientName")));
    QVERIFY(!session.rights.fieldEnabled(QStringLiteral("_ClientName")));
    QVERIFY(!session.rights.commandAllowed(QStringLiteral("OrderDelete")));
    QVERIFY(session.rights.commandAllowed(QStringLiteral("OrderEditor")));
    QCOMPARE(session.journalUserIds, (QList<qint64>{sidorov, data.adminId(), ivanov}));
    const ViewSettings& view = (*outcome)->view;
    QVERIFY(!view.shown[3]);
    QVERIFY(view.shown[4]);
    QCOMPARE(view.widths[7], 240);
    QCOMPARE(view.widths[1], 0);
    QVERIFY(!view.bands);
  }

  void journalDetailBelongsToOneEntry() {
    test::TestDatabase data;
    JournalWriter journal(data.db(), QStringLiteral("O'Neil"));
    journal.addDetail(QStringLiteral("Маршрут: Москва >> Рига"));
    journal.addDetail(QStringLiteral("Груз: (пусто) >> Мебель"));
    VH_VERIFY_OK(journal.write(QStringLiteral("Редактирование заказа № 7")));
    VH_VERIFY_OK(journal.write(QStringLiteral("Вход в программу")));
    QCOMPARE(data.scalar("SELECT Детализация FROM Протокол WHERE Действие LIKE 'Редакт%'").toString(),
             QStringLiteral("Маршрут: Москва >> Рига\nГруз: (пусто) >> Мебель"));
    QCOMPARE(data.scalar("SELECT Детализация FROM Протокол WHERE Действие='Вход в программу'").toString(), QString());
    QCOMPARE(data.count("Протокол", "Логин=:l", {{"l", QStringLiteral("O'Neil")}}), 2);
  }

  void passwordsAreSaltedHashes() {
    const QString first = hashPassword(QStringLiteral("секрет"));
    const QString second = hashPassword(QStringLiteral("секрет"));
    QVERIFY(first != second);
    QVERIFY(!first.contains(QStringLiteral("секрет")));
    QVERIFY(verifyPassword(first, QStringLiteral("секрет")));
    QVERIFY(!verifyPassword(first, QStringLiteral("Секрет")));
    QVERIFY(!verifyPassword(QStringLiteral("секрет"), QStringLiteral("секрет"))); // a plain text is no hash
    QVERIFY(!verifyPassword(QString(), QString()));
  }
};

VH_TEST_MAIN(TestLogin)
#include "tst_login.moc"
