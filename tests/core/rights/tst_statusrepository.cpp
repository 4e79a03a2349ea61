#include "core/journal/journalwriter.h"
#include "core/rights/statusrepository.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

using namespace vh;

namespace {
QString stored(test::TestDatabase& data, qint64 status, const QString& key) {
  return data
      .scalar(QStringLiteral(
                  "SELECT group_concat(Чтение || '/' || Изменение) FROM Полномочия WHERE Status_ID=:s AND Поле=:k"),
              {{"s", status}, {"k", key}})
      .toString();
}
} // namespace

// Writing and deleting a status's rights.
class TestStatusRepository : public QObject {
  Q_OBJECT

private Q_SLOTS:
  // One row per key: updated when it exists, inserted when missing; each
  // kind writes only its own columns.
  void savesOneRowPerKey() {
    test::TestDatabase data;
    JournalWriter journal(data.db(), QStringLiteral("Administrator"));
    const qint64 id = data.exec(QStringLiteral("INSERT INTO Статусы (Название) VALUES ('Логист')"));
    StatusRepository statuses(data.db());
    VH_VERIFY_OK(statuses.saveRights(id, {{"OrderEditor", true, true}, {"_Route", true, false}, {"#1", true, true}},
                                     journal, QStringLiteral("Создание полномочий статуса Логист")));
    QCOMPARE(stored(data, id, "OrderEditor"), QStringLiteral("0/1"));
    QCOMPARE(stored(data, id, "_Route"), QStringLiteral("1/0"));
    QCOMPARE(stored(data, id, "#1"), QStringLiteral("1/0"));

    VH_VERIFY_OK(statuses.saveRights(
        id, {{"OrderEditor", false, false}, {"_Route", true, true}, {"_Load", false, true}}, journal, QString()));
    QCOMPARE(data.count("Полномочия"), 4);
    QCOMPARE(stored(data, id, "OrderEditor"), QStringLiteral("0/0"));
    QCOMPARE(stored(data, id, "_Route"), QStringLiteral("1/1"));
    QCOMPARE(stored(data, id, "_Load"), QStringLiteral("0/1"));
    QCOMPARE(data.count("Протокол", "Действие='Создание полномочий статуса Логист'"), 1);
    QCOMPARE(data.count("Протокол"), 1);

    const auto rights = statuses.rights(id);
    VH_VERIFY_OK(rights);
    QCOMPARE(rights->size(), 4);
    QCOMPARE(rights->first().key, QStringLiteral("OrderEditor"));
  }

  // All rows or none: a failing journal entry takes the rows back with it.
  void savingIsAllOrNothing() {
    test::TestDatabase data;
    JournalWriter journal(data.db(), QStringLiteral("Administrator"));
    const qint64 id = data.exec(QStringLiteral("INSERT INTO Статусы (Название) VALUES ('Логист')"));
    data.exec(QStringLiteral("DROP TABLE Протокол"));
    const auto saved =
        StatusRepository(data.db()).saveRights(id, {{"OrderEditor", false, true}, {"_Route", true, true}}, journal,
                                               QStringLiteral("Создание полномочий статуса Логист"));
    QVERIFY(!saved.ok());
    QCOMPARE(data.count("Полномочия"), 0);
  }

  void removesStatusWithItsRights() {
    test::TestDatabase data;
    const qint64 kept = data.exec(QStringLiteral("INSERT INTO Статусы (Название) VALUES ('Бухгалтер')"));
    const qint64 gone = data.exec(QStringLiteral("INSERT INTO Статусы (Название) VALUES ('Логист ''Юг''')"));
    for (const qint64 status : {kept, gone}) {
      data.exec(QStringLiteral("INSERT INTO Полномочия (Status_ID, Поле, Изменение) VALUES (:s, 'OrderEditor', False)"),
                {{"s", status}});
      data.exec(QStringLiteral("INSERT INTO Пользователи (ФИО, Логин, Status_ID) VALUES (:n, :n, :s)"),
                {{"n", QString::number(status)}, {"s", status}});
    }
    StatusRepository statuses(data.db());
    QCOMPARE(*statuses.holders(QStringLiteral("Логист 'Юг'")), 1);
    VH_VERIFY_OK(statuses.remove(QStringLiteral("Логист 'Юг'")));
    QCOMPARE(data.count("Статусы", "ID=:id", {{"id", gone}}), 0);
    QCOMPARE(data.count("Полномочия", "Status_ID=:id", {{"id", gone}}), 0);
    QCOMPARE(data.count("Полномочия", "Status_ID=:id", {{"id", kept}}), 1);
    // Its holders keep the old ID.
    QCOMPARE(data.count("Пользователи", "Status_ID=:id", {{"id", gone}}), 1);
  }
};

VH_TEST_MAIN(TestStatusRepository)
#include "tst_statusrepository.moc"
