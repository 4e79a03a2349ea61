#include "core/order/pickers.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

using namespace vh;

namespace {

// Two groups, three clients with contact persons; three carriers with vehicles and drivers.
struct PickerFixture {
  test::TestDatabase data;

  PickerFixture() {
    data.exec(QStringLiteral("INSERT INTO Группы (Наименование) VALUES ('Постоянные')"));
    data.exec(QStringLiteral("INSERT INTO Группы (Наименование) VALUES ('Новые')"));
    client("ООО «Ромашка»", 1, "ИНН 7701, Москва", "Иванов Пётр");
    client("ООО \"O'Neil\"", 2, "ИНН 7802, Санкт-Петербург", "Петрова Анна");
    client("АО «Северсталь»", 2, "Череповец", "Сидоров Иван");
    carrier("ООО «Трансавто»", "Volvo FH", "А123ВС 78", 1, "Кузнецов");
    carrier("ООО «ЕвроТрак»", "Scania R450", "Е555КХ 47", 2, "Иванов");
    carrier("ИП Григорьев", "МАЗ 5440", "К777ОР 39", 2, "Григорьев");
  }

  void client(const char* name, int group, const char* details, const char* person) {
    const qint64 id =
        data.exec(QStringLiteral("INSERT INTO Клиенты (Организация, Группа_ID, Контакты) VALUES (:n, :g, :d)"),
                  {{"n", QString::fromUtf8(name)}, {"g", group}, {"d", QString::fromUtf8(details)}});
    data.exec(QStringLiteral("INSERT INTO Заказчики (Клиент_ID, ФИО) VALUES (:c, :p)"),
              {{"c", id}, {"p", QString::fromUtf8(person)}});
  }
  void carrier(const char* name, const char* make, const char* number, int type, const char* driver) {
    const qint64 id = data.exec(QStringLiteral("INSERT INTO Исполнители (Исполнитель) VALUES (:n)"),
                                {{"n", QString::fromUtf8(name)}});
    const qint64 vehicle =
        data.exec(QStringLiteral("INSERT INTO Авто (Исполнитель_ID, Марка, Номер, ТипТС_ID) VALUES (:c, :m, :n, :t)"),
                  {{"c", id}, {"m", QString::fromUtf8(make)}, {"n", QString::fromUtf8(number)}, {"t", type}});
    data.exec(QStringLiteral("INSERT INTO Водители (Авто_ID, Водитель) VALUES (:a, :d)"),
              {{"a", vehicle}, {"d", QString::fromUtf8(driver)}});
  }
};

} // namespace

class TestPickers : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void findsClients_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("by contact person") << int(ClientSearchField::ContactPerson) << "ИВ"
                                       << "" << QStringList{"АО «Северсталь»", "ООО «Ромашка»"};
    QTest::newRow("by name, letter case ignored") << int(ClientSearchField::Organisation) << "СЕВЕР"
                                                  << "" << QStringList{"АО «Северсталь»"};
    QTest::newRow("by name with a quote") << int(ClientSearchField::Organisation) << "o'neil"
                                          << "" << QStringList{"ООО \"O'Neil\""};
    QTest::newRow("by details") << int(ClientSearchField::Details) << "санкт"
                                << "" << QStringList{"ООО \"O'Neil\""};
    QTest::newRow("within a group") << int(ClientSearchField::Organisation) << "О"
                                    << "Новые" << QStringList{"АО «Северсталь»", "ООО \"O'Neil\""};
    QTest::newRow("nothing") << int(ClientSearchField::Organisation) << "Лютик"
                             << "" << QStringList{};
    QTest::newRow("wildcards are text") << int(ClientSearchField::Organisation) << "%"
                                        << "" << QStringList{};
  }
  void findsClients() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, group);
    QFETCH(QStringList, found);
    PickerFixture f;
    const auto result = PickerRepository(f.data.db()).findClients(ClientSearchField(field), text, group);
    VH_VERIFY_OK(result);
    QCOMPARE(*result, found);
  }

  void findsCarriers_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("vehicleType");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("by name") << int(CarrierSearchField::Name) << "трак"
                             << "" << QStringList{"ООО «ЕвроТрак»"};
    QTest::newRow("by make") << int(CarrierSearchField::Vehicle) << "volvo"
                             << "" << QStringList{"ООО «Трансавто»"};
    QTest::newRow("by number") << int(CarrierSearchField::Vehicle) << "777"
                               << "" << QStringList{"ИП Григорьев"};
    QTest::newRow("by driver") << int(CarrierSearchField::Driver) << "иванов"
                               << "" << QStringList{"ООО «ЕвроТрак»"};
    QTest::newRow("owning a vehicle of a type") << int(CarrierSearchField::Name) << "о"
                                                << "Рефрижератор" << QStringList{"ИП Григорьев", "ООО «ЕвроТрак»"};
  }
  void findsCarriers() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, vehicleType);
    QFETCH(QStringList, found);
    PickerFixture f;
    const auto result = PickerRepository(f.data.db()).findCarriers(CarrierSearchField(field), text, vehicleType);
    VH_VERIFY_OK(result);
    QCOMPARE(*result, found);
  }

  // Orders created in the same second stay apart: each entry is its own order.
  void earlierOrdersAreTiedToTheirOrder() {
    PickerFixture f;
    const auto order = [&](qint64 client, const char* created, const char* route, const char* remark) {
      return f.data.exec(
          QStringLiteral("INSERT INTO Заявки (Клиент_ID, Создано, Маршрут, Дополнительно) VALUES (:c, :t, :r, :d)"),
          {{"c", client},
           {"t", QString::fromLatin1(created)},
           {"r", QString::fromUtf8(route)},
           {"d", QString::fromUtf8(remark)}});
    };
    const qint64 first = order(1, "2026-12-01 10:00:00", "Москва — Рига", "");
    const qint64 second = order(1, "2026-12-01 10:00:00", "Москва — Таллин", "Срочно");
    const qint64 other = order(2, "2026-12-02 09:00:00", "Минск — Рига", "срочно, звонить");
    PickerRepository pickers(f.data.db());

    const auto mine = pickers.earlierOrders(EarlierField::Route, QStringLiteral("ООО «Ромашка»"), QString());
    VH_VERIFY_OK(mine);
    QCOMPARE(mine->size(), 2);
    QCOMPARE(mine->at(0).id, second);
    QCOMPARE(mine->at(1).id, first);
    QCOMPARE(mine->at(1).created, QDateTime(QDate(2026, 12, 1), QTime(10, 0)));
    QCOMPARE(*pickers.earlierText(EarlierField::Route, first), QStringLiteral("Москва — Рига"));
    QCOMPARE(*pickers.earlierText(EarlierField::Route, second), QStringLiteral("Москва — Таллин"));

    const auto riga =
        pickers.earlierOrders(EarlierField::Route, QStringLiteral("ООО «Ромашка»"), QStringLiteral("РИГА"));
    QCOMPARE(riga->size(), 1);
    QCOMPARE(riga->at(0).id, first);
    // Remarks are looked for in every client's orders.
    const auto urgent = pickers.earlierOrders(EarlierField::Remark, QString(), QStringLiteral("срочно"));
    QCOMPARE(urgent->size(), 2);
    QCOMPARE(urgent->at(0).id, other);
    QCOMPARE(*pickers.earlierText(EarlierField::Remark, other), QStringLiteral("срочно, звонить"));
  }
};

VH_TEST_MAIN(TestPickers)
#include "tst_pickers.moc"
