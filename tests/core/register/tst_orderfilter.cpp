#include "core/register/orderfilter.h"
#include "core/register/registerrepository.h"
#include "support/testdatabase.h"
#include "support/testmain.h"

using namespace vh;

Q_DECLARE_METATYPE(vh::OrderFilter)

namespace {

using Ids = QList<qint64>;

QDateTime at(int month, int day, int hour, int minute, int second = 0) {
  return QDateTime(QDate(2026, month, day), QTime(hour, minute, second));
}

// Four orders that differ in every criterion; order 3 is archived.
class Fixture final {
public:
  Fixture() {
    petrov = data.exec("INSERT INTO Пользователи (ФИО, Логин, Status_ID) VALUES ('Петров П.', 'petrov', 1)");
    const qint64 regular = group("Постоянные");
    const qint64 oneOff = group("Разовые");
    const qint64 alpha = client("ООО «Альфа»", regular);
    const qint64 obrien = client("O'Brien Logistics", oneOff);
    const qint64 beta = client("ЗАО Бета", 0);
    const qint64 ivanov = contact(alpha, "Иванов Иван");
    const qint64 smirnova = contact(obrien, "Смирнова Ольга");
    const qint64 petrovContact = contact(beta, "Петров Пётр");
    const qint64 transline = carrier("ТрансЛайн");
    const qint64 fast = carrier("Быстрые грузы");
    const qint64 volvo = vehicle(transline, "Volvo", "А123ВС77");
    const qint64 man = vehicle(fast, "MAN", "К777ОР99");
    const qint64 sidorov = driver(volvo, "Сидоров");
    const qint64 kuznetsov = driver(man, "Кузнецов");
    const qint64 paper = named("Реклама", "Газета");
    const qint64 web = named("Реклама", "Интернет");
    const qint64 orlov = data.exec("INSERT INTO Диспетчеры (ФИО) VALUES ('Орлов')");
    const qint64 tent = idOf("ТС", "Тент 20 т");
    const qint64 fridge = idOf("ТС", "Рефрижератор");
    const qint64 advert = idOf("Источники", "Реклама");
    const qint64 dispatcher = idOf("Источники", "Диспетчер");
    const qint64 steady = idOf("Источники", "Постоянный клиент");
    const qint64 admin = data.adminId();

    order({at(3, 1, 10, 0), admin, alpha, ivanov, tent, transline, volvo, sidorov, "Москва — Рига", at(3, 5, 8, 0),
           1000, 0, false, advert, paper, 0});
    order({at(3, 2, 23, 59, 30), petrov, obrien, smirnova, fridge, fast, man, kuznetsov, "Санкт-Петербург — Хельсинки",
           at(3, 10, 0, 0), 2500.5, 1, false, advert, web, 0});
    order({at(3, 3, 0, 0), admin, beta, petrovContact, tent, transline, volvo, sidorov, "РИГА — Вильнюс",
           at(4, 1, 9, 0), 500, 0, true, dispatcher, 0, orlov});
    order({at(3, 3, 12, 0), petrov, alpha, ivanov, fridge, fast, man, kuznetsov, "Казань, 50% груза",
           at(3, 10, 0, 0, 30), 3000, 1, false, steady, 0, 0});
  }

  Ids ids(const OrderFilter& filter) {
    const RegisterConditions conditions = registerConditions(filter);
    const auto rows = RegisterRepository(data.db()).load(&conditions);
    if (!rows)
      qFatal("filtered register failed: %s", qPrintable(rows.error().text));
    Ids out;
    for (const RegisterRow& row : *rows)
      out.append(row.id);
    return out;
  }

  test::TestDatabase data;
  qint64 petrov = 0;

private:
  struct Order {
    QDateTime created;
    qint64 creator, client, contact, type, carrier, vehicle, driver;
    const char* route;
    QDateTime start;
    double sum;
    int payment;
    bool done;
    qint64 source, advert, dispatcher;
  };

  void order(const Order& o) {
    data.exec(
        "INSERT INTO Заявки (Создано, Creator_ID, Клиент_ID, Заказчик_ID, ТипТС_ID, Исполнитель_ID, Автомобиль_ID, "
        "Водитель_ID, Маршрут, НачалоЗаказа, ОкончаниеЗаказа, Сумма, Расчет, Done, Источник_ID, Реклама_ID, "
        "Диспетчер_ID) VALUES (:c, :u, :k, :z, :t, :i, :a, :d, :r, :s, :s, :sum, :p, :done, :src, :adv, :disp)",
        {{"c", o.created},
         {"u", o.creator},
         {"k", o.client},
         {"z", o.contact},
         {"t", o.type},
         {"i", o.carrier},
         {"a", o.vehicle},
         {"d", o.driver},
         {"r", QString::fromUtf8(o.route)},
         {"s", o.start},
         {"sum", o.sum},
         {"p", o.payment},
         {"done", o.done},
         {"src", o.source},
         {"adv", o.advert},
         {"disp", o.dispatcher}});
  }
  qint64 group(const char* name) {
    return data.exec("INSERT INTO Группы (Наименование) VALUES (:n)", {{"n", QString::fromUtf8(name)}});
  }
  qint64 client(const char* name, qint64 groupId) {
    return data.exec("INSERT INTO Клиенты (Организация, Группа_ID) VALUES (:n, :g)",
                     {{"n", QString::fromUtf8(name)}, {"g", groupId}});
  }
  qint64 contact(qint64 clientId, const char* name) {
    return data.exec("INSERT INTO Заказчики (Клиент_ID, ФИО) VALUES (:c, :n)",
                     {{"c", clientId}, {"n", QString::fromUtf8(name)}});
  }
  qint64 carrier(const char* name) {
    return data.exec("INSERT INTO Исполнители (Исполнитель) VALUES (:n)", {{"n", QString::fromUtf8(name)}});
  }
  qint64 vehicle(qint64 carrierId, const char* make, const char* plate) {
    return data.exec("INSERT INTO Авто (Исполнитель_ID, Марка, Номер) VALUES (:c, :m, :p)",
                     {{"c", carrierId}, {"m", QString::fromUtf8(make)}, {"p", QString::fromUtf8(plate)}});
  }
  qint64 driver(qint64 vehicleId, const char* name) {
    return data.exec("INSERT INTO Водители (Авто_ID, Водитель) VALUES (:a, :n)",
                     {{"a", vehicleId}, {"n", QString::fromUtf8(name)}});
  }
  qint64 named(const char* table, const char* name) {
    return data.exec(QStringLiteral("INSERT INTO %1 (Наименование) VALUES (:n)").arg(QString::fromUtf8(table)),
                     {{"n", QString::fromUtf8(name)}});
  }
  qint64 idOf(const char* table, const char* name) {
    return data
        .scalar(QStringLiteral("SELECT ID FROM %1 WHERE Наименование=:n").arg(QString::fromUtf8(table)),
                {{"n", QString::fromUtf8(name)}})
        .toLongLong();
  }
};

template <typename T> Bounds<T> between(std::optional<T> from, std::optional<T> to) {
  return Bounds<T>{from, to};
}

} // namespace

class TestOrderFilter : public QObject {
  Q_OBJECT

private Q_SLOTS:
  // The criteria only read, so one fixture serves every case.
  void initTestCase() { m_fixture = std::make_unique<Fixture>(); }
  void cleanupTestCase() { m_fixture.reset(); }

  void narrowsTheRegister_data() {
    QTest::addColumn<OrderFilter>("filter");
    QTest::addColumn<Ids>("expected");
    using S = OrderFilter::Status;
    auto with = [](auto set) {
      OrderFilter f;
      set(f);
      return f;
    };
    const Ids all{1, 2, 3, 4};

    QTest::newRow("no criterion: archived too") << OrderFilter{} << all;
    QTest::newRow("numbers") << with([](OrderFilter& f) { f.numbers = between<qint64>(2, 3); }) << Ids{2, 3};
    QTest::newRow("numbers, empty upper box")
        << with([](OrderFilter& f) { f.numbers = between<qint64>(3, {}); }) << Ids{3, 4};
    QTest::newRow("numbers, both boxes empty")
        << with([](OrderFilter& f) { f.numbers = between<qint64>({}, {}); }) << all;
    QTest::newRow("numbers, both 0") << with([](OrderFilter& f) { f.numbers = between<qint64>(0, 0); }) << Ids{};
    QTest::newRow("registered on one day, last second included")
        << with([](OrderFilter& f) { f.registered = between<QDateTime>(at(3, 2, 0, 0), at(3, 2, 23, 59, 59)); })
        << Ids{2};
    QTest::newRow("registered from midnight")
        << with([](OrderFilter& f) { f.registered = between<QDateTime>(at(3, 3, 0, 0), at(3, 3, 23, 59, 59)); })
        << Ids{3, 4};
    QTest::newRow("start period") << with([](OrderFilter& f) {
      f.started = between<QDateTime>(at(3, 5, 0, 0), at(3, 10, 0, 0, 59));
    }) << Ids{1, 2, 4};
    QTest::newRow("author") << with([](OrderFilter& f) { f.authorLogin = "petrov"; }) << Ids{2, 4};
    QTest::newRow("author not chosen") << with([](OrderFilter& f) { f.authorLogin = ""; }) << Ids{};
    QTest::newRow("author with a quote") << with([](OrderFilter& f) { f.authorLogin = "o'hara"; }) << Ids{};
    QTest::newRow("status active") << with([](OrderFilter& f) { f.status = S::Active; }) << Ids{1, 2, 4};
    QTest::newRow("status archived") << with([](OrderFilter& f) { f.status = S::Archived; }) << Ids{3};
    QTest::newRow("status all") << with([](OrderFilter& f) { f.status = S::Any; }) << all;
    QTest::newRow("route, Cyrillic letter case") << with([](OrderFilter& f) { f.routeKeyword = "рига"; }) << Ids{1, 3};
    QTest::newRow("route, percent is a letter") << with([](OrderFilter& f) { f.routeKeyword = "50%"; }) << Ids{4};
    QTest::newRow("route, underscore is a letter") << with([](OrderFilter& f) { f.routeKeyword = "_"; }) << Ids{};
    QTest::newRow("route, empty text") << with([](OrderFilter& f) { f.routeKeyword = ""; }) << all;
    QTest::newRow("advert channel") << with([](OrderFilter& f) {
      f.source = "Реклама";
      f.sourceDetail = "Газета";
    }) << Ids{1};
    QTest::newRow("advert without a channel") << with([](OrderFilter& f) { f.source = "Реклама"; }) << Ids{};
    QTest::newRow("dispatcher") << with([](OrderFilter& f) {
      f.source = "Диспетчер";
      f.sourceDetail = "Орлов";
    }) << Ids{3};
    QTest::newRow("plain source ignores a second choice") << with([](OrderFilter& f) {
      f.source = "Постоянный клиент";
      f.sourceDetail = "Газета";
    }) << Ids{4};
    QTest::newRow("client group") << with([](OrderFilter& f) { f.group = "Постоянные"; }) << Ids{1, 4};
    QTest::newRow("vehicle type") << with([](OrderFilter& f) { f.vehicleType = "Тент 20 т"; }) << Ids{1, 3};
    QTest::newRow("client, quote and case") << with([](OrderFilter& f) { f.client = "o'BRIEN"; }) << Ids{2};
    QTest::newRow("client, part of the name") << with([](OrderFilter& f) { f.client = "альфа"; }) << Ids{1, 4};
    QTest::newRow("contact person") << with([](OrderFilter& f) { f.contact = "ИВАНОВ"; }) << Ids{1, 4};
    QTest::newRow("carrier") << with([](OrderFilter& f) { f.carrier = "транс"; }) << Ids{1, 3};
    QTest::newRow("registration number") << with([](OrderFilter& f) { f.plate = "к777"; }) << Ids{2, 4};
    QTest::newRow("make") << with([](OrderFilter& f) { f.make = "VOLVO"; }) << Ids{1, 3};
    QTest::newRow("driver") << with([](OrderFilter& f) { f.driver = "сидор"; }) << Ids{1, 3};
    QTest::newRow("amount") << with([](OrderFilter& f) { f.amount = between<double>(1000, 2500); }) << Ids{1};
    QTest::newRow("amount, empty lower box")
        << with([](OrderFilter& f) { f.amount = between<double>({}, 1000); }) << Ids{1, 3};
    QTest::newRow("cashless") << with([](OrderFilter& f) { f.payment = OrderFilter::Payment::Cashless; }) << Ids{2, 4};
    QTest::newRow("cash") << with([](OrderFilter& f) { f.payment = OrderFilter::Payment::Cash; }) << Ids{1, 3};
    QTest::newRow("active Volvo orders") << with([](OrderFilter& f) {
      f.status = S::Active;
      f.make = "volvo";
    }) << Ids{1};
    QTest::newRow("client, amount and payment") << with([](OrderFilter& f) {
      f.client = "Альфа";
      f.amount = between<double>(2000, {});
      f.payment = OrderFilter::Payment::Cashless;
      f.registered = between<QDateTime>(at(3, 1, 0, 0), at(3, 31, 23, 59, 59));
    }) << Ids{4};
  }
  void narrowsTheRegister() {
    QFETCH(OrderFilter, filter);
    QFETCH(Ids, expected);
    QCOMPARE(m_fixture->ids(filter), expected);
  }

  // Typed text never becomes statement text, whatever it holds.
  void bindsEveryValue() {
    const QString marker = QStringLiteral("Zq' OR 1=1 --");
    OrderFilter f;
    f.authorLogin = f.source = f.routeKeyword = f.vehicleType = f.plate = f.make = f.client = f.contact = f.carrier =
        f.driver = f.group = marker;
    f.sourceDetail = marker;
    const RegisterConditions conditions = registerConditions(f);
    QCOMPARE(conditions.clauses.size(), 11);
    for (const QString& clause : conditions.clauses)
      QVERIFY2(!clause.contains(QStringLiteral("Zq")), qPrintable(clause));
    QCOMPARE(m_fixture->ids(f), Ids{});
  }

  void unfilteredRegisterHidesTheArchive() {
    const auto rows = RegisterRepository(m_fixture->data.db()).load();
    VH_VERIFY_OK(rows);
    Ids ids;
    for (const RegisterRow& row : *rows)
      ids.append(row.id);
    QCOMPARE(ids, (Ids{1, 2, 4}));
  }

  void offersDistinctNames() {
    Fixture fixture;
    fixture.data.exec("INSERT INTO Авто (Исполнитель_ID, Марка, Номер) VALUES (1, 'Volvo', '')");
    fixture.data.exec("INSERT INTO Диспетчеры (ФИО) VALUES ('Белов')");
    OrderFilterRepository repository(fixture.data.db());
    const auto lists = repository.lists();
    VH_VERIFY_OK(lists);
    QCOMPARE(QSet<QString>(lists->logins.begin(), lists->logins.end()), (QSet<QString>{"Administrator", "petrov"}));
    QCOMPARE(lists->makes.size(), 2);
    QVERIFY(lists->makes.contains("Volvo") && lists->makes.contains("MAN"));
    QCOMPARE(lists->plates.size(), 2);
    QVERIFY(lists->clients.contains("O'Brien Logistics"));
    QVERIFY(lists->groups.contains("Разовые"));
    QVERIFY(lists->sources.contains("Диспетчер"));
    QVERIFY(lists->vehicleTypes.contains("Рефрижератор"));
    QVERIFY(lists->contacts.contains("Петров Пётр"));
    QVERIFY(lists->carriers.contains("Быстрые грузы"));
    QVERIFY(lists->drivers.contains("Кузнецов"));

    const auto adverts = repository.sourceDetails(sourceDetailOf("Реклама"));
    VH_VERIFY_OK(adverts);
    QCOMPARE(QSet<QString>(adverts->begin(), adverts->end()), (QSet<QString>{"Газета", "Интернет"}));
    const auto dispatchers = repository.sourceDetails(sourceDetailOf("Диспетчер"));
    VH_VERIFY_OK(dispatchers);
    QCOMPARE(QSet<QString>(dispatchers->begin(), dispatchers->end()), (QSet<QString>{"Орлов", "Белов"}));
    // Only the exact names have a second list.
    QCOMPARE(sourceDetailOf("реклама"), SourceDetail::None);
    QCOMPARE(sourceDetailOf("Реклама "), SourceDetail::None);
  }

private:
  std::unique_ptr<Fixture> m_fixture;
};

VH_TEST_MAIN(TestOrderFilter)
#include "tst_orderfilter.moc"
