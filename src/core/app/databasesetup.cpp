#include "core/app/databasesetup.h"

#include "core/db/database.h"
#include "core/db/statement.h"
#include "core/rights/loginservice.h"
#include "core/rights/passwordhash.h"

#include <QList>
#include <QRandomGenerator>
#include <QStringList>

#include <cmath>

namespace vh {

Result<void> createDatabaseFile(const QString& path, const CreateDatabaseOptions& options) {
  if (options.adminPassword.isEmpty())
    return Error{QStringLiteral("Пароль администратора не может быть пустым.")};
  auto db = Database::createSqlite(path);
  if (!db)
    return db.error();
  Result<void> filled = attempt([&] {
    Statement admin(**db, QStringLiteral("SELECT ID FROM Пользователи WHERE Логин='Administrator'"));
    if (!admin.first())
      fail(QStringLiteral("В новой базе данных нет пользователя Administrator."));
    const Result<void> set = LoginService(**db).setPassword(admin.integer(QStringLiteral("ID")), options.adminPassword);
    if (!set)
      throw Failure{set.error()};
    if (options.demo) {
      const Result<void> demo = fillDemoData(**db, options.demoData);
      if (!demo)
        throw Failure{demo.error()};
    }
  });
  if (!filled) {
    db.value().reset();
    Database::removeFiles(path);
  }
  return filled;
}

namespace {

// A small seeded generator so that the same options give the same data.
class Dice final {
public:
  explicit Dice(quint32 seed) : m_random(seed) {}
  int below(int n) { return n <= 0 ? 0 : int(m_random.bounded(quint32(n))); }
  int between(int low, int high) { return low + below(high - low + 1); }
  bool chance(int percent) { return below(100) < percent; }
  template <typename List> const auto& pick(const List& list) { return list.at(below(int(list.size()))); }

private:
  QRandomGenerator m_random;
};

const QStringList kGroups = {"Постоянные клиенты", "Новые клиенты", "Сетевые ритейлеры", "Производители",
                             "Дистрибьюторы"};

const QStringList kClients = {"ООО «Северсталь-Трейд»",
                              "АО «Балтийская мебельная компания»",
                              "ООО «Ромашка»",
                              "ООО «O'Neil Logistics»",
                              "ЗАО «Уральские машины»",
                              "ООО «Вектор Плюс»",
                              "ООО «Агрохолдинг Кубань»",
                              "АО «Химпром-Экспорт»",
                              "ООО «Торговый дом Волга»",
                              "ИП Соколов А. В.",
                              "ООО «Евросеть-Логистик»",
                              "ООО «Фармасинтез»",
                              "АО «Тверской вагоностроительный»",
                              "ООО «Стройдеталь»",
                              "ООО «Полимер Групп»",
                              "ООО «Сибирский лес»",
                              "АО «Мираторг-Снаб»",
                              "ООО «Электросила-М»",
                              "ООО «Бумажная фабрика Кондопога»",
                              "ООО «Кондитер Альянс»",
                              "ООО «ТехноНИКОЛЬ-Регион»",
                              "АО «Русское стекло»",
                              "ООО «Автокомпонент»",
                              "ООО «Медтехника Плюс»",
                              "ООО «Грин Фуд»",
                              "ООО «Металлоторг»",
                              "ООО «Текстиль Иваново»",
                              "ООО «Арктик Фиш»"};

const QStringList kFirstNames = {"Александр", "Дмитрий", "Сергей",  "Андрей", "Алексей", "Максим",
                                 "Иван",      "Михаил",  "Николай", "Павел",  "Олег",    "Владимир"};
const QStringList kFemaleNames = {"Елена", "Ольга", "Наталья",  "Ирина", "Татьяна",
                                  "Анна",  "Мария", "Светлана", "Юлия",  "Екатерина"};
const QStringList kSurnames = {"Иванов",   "Смирнов", "Кузнецов", "Попов",   "Васильев", "Петров",   "Соколов",
                               "Михайлов", "Новиков", "Фёдоров",  "Морозов", "Волков",   "Алексеев", "Лебедев",
                               "Семёнов",  "Егоров",  "Павлов",   "Козлов",  "Степанов", "Николаев"};
const QStringList kPatronymics = {"Александрович", "Дмитриевич", "Сергеевич",  "Андреевич",
                                  "Иванович",      "Петрович",   "Викторович", "Николаевич"};
const QStringList kFemalePatronymics = {"Александровна", "Дмитриевна", "Сергеевна",  "Андреевна",
                                        "Ивановна",      "Петровна",   "Викторовна", "Николаевна"};

const QStringList kCarriers = {"ООО «Трансавто»",     "ООО «ЕвроТрак»",         "АО «Совтрансавто-Экспедиция»",
                               "ООО «Балттранс»",     "ИП Григорьев С. Н.",     "ООО «Магистраль»",
                               "ООО «Север-Транзит»", "ООО «Логистик-Лайн»",    "ООО «Восток-Карго»",
                               "ООО «РусЕвроТранс»",  "ООО «Автоколонна 1412»", "ООО «Неман-Транс»"};
const QStringList kMakes = {"Volvo FH",  "Scania R450", "MAN TGX",     "DAF XF",  "Mercedes-Benz Actros",
                            "Renault T", "КАМАЗ 54901", "Iveco S-Way", "МАЗ 5440"};
const QStringList kPlateLetters = {"А", "В", "Е", "К", "М", "Н", "О", "Р", "С", "Т", "У", "Х"};
const QStringList kRegions = {"77", "78", "50", "47", "39", "66", "16", "52", "61", "23"};

struct City {
  const char* name;
  const char* customs;
};
const QList<City> kCities = {{"Москва", "Московская областная таможня"},
                             {"Санкт-Петербург", "Балтийская таможня"},
                             {"Минск", "Минская региональная таможня"},
                             {"Варшава", "Izba Celna w Warszawie"},
                             {"Берлин", "Hauptzollamt Berlin"},
                             {"Хельсинки", "Tulli Helsinki"},
                             {"Рига", "VID Muitas pārvalde Rīga"},
                             {"Алматы", "ДГД по г. Алматы"},
                             {"Екатеринбург", "Уральская оперативная таможня"},
                             {"Калининград", "Калининградская областная таможня"},
                             {"Милан", "Dogana di Milano"},
                             {"Стамбул", "İstanbul Gümrük Müdürlüğü"}};

const QStringList kFreights = {
    "Мебель в упаковке, 33 паллеты, 12 т, 2,4 млн руб.",  "Металлопрокат, 20 т, 1,8 млн руб.",
    "Продукты питания (охлаждённые), 18 т, 3,1 млн руб.", "Бытовая техника, 86 мест, 9 т, 5,6 млн руб.",
    "Строительные материалы, 22 т, 0,9 млн руб.",         "Медицинское оборудование, 14 мест, 4 т, 12 млн руб.",
    "Текстиль, 120 коробов, 6 т, 1,2 млн руб.",           "Химическая продукция (не ДОГ), 20 т, 2,2 млн руб.",
    "Запасные части, 40 мест, 7 т, 3,4 млн руб.",         "Бумага в рулонах, 21 т, 1,5 млн руб."};

const QStringList kExpeditions = {"Таможенное оформление в месте назначения силами получателя.",
                                  "Оформление CMR, TIR. Пломба отправителя.",
                                  "Контроль температурного режима +2…+6 °C, распечатка термописца.",
                                  "Погрузка задняя, растентовка не требуется.",
                                  "Сопровождение груза до склада получателя.\nДокументы передать водителю.",
                                  ""};

const QStringList kComments = {
    "", "", "Оплата по факту выгрузки.", "Клиент просит звонить перед подачей.", "Возможна догрузка.", "Срочно!"};

struct Carrier {
  qint64 id;
  QList<qint64> vehicles;
  QList<qint64> vehicleTypes;
  QList<QList<qint64>> drivers; // per vehicle
  QList<qint64> managers;
};

qint64 insertName(Database& db, const QString& table, const QString& column, const QString& name) {
  Statement s(db, QStringLiteral("INSERT INTO %1 (%2) VALUES (:name)").arg(table, column));
  s.bind(QStringLiteral("name"), name);
  return s.insert();
}

QList<qint64> idsOf(Database& db, const QString& sql) {
  QList<qint64> ids;
  Statement s(db, sql);
  s.exec();
  while (s.next())
    ids.append(s.integer(QStringLiteral("ID")));
  return ids;
}

QString personName(Dice& dice) {
  if (dice.chance(40))
    return dice.pick(kSurnames) + QStringLiteral("а ") + dice.pick(kFemaleNames) + u' ' + dice.pick(kFemalePatronymics);
  return dice.pick(kSurnames) + u' ' + dice.pick(kFirstNames) + u' ' + dice.pick(kPatronymics);
}

QString phone(Dice& dice) {
  return QStringLiteral("+7 (%1) %2-%3-%4")
      .arg(dice.pick(QStringList{"495", "812", "916", "921", "903", "343"}))
      .arg(dice.between(200, 999))
      .arg(dice.between(10, 99))
      .arg(dice.between(10, 99));
}

QString plate(Dice& dice) {
  return dice.pick(kPlateLetters) + QString::number(dice.between(100, 999)) + dice.pick(kPlateLetters) +
         dice.pick(kPlateLetters) + u' ' + dice.pick(kRegions);
}

double round2(double v) {
  return std::round(v * 100.0) / 100.0;
}

} // namespace

Result<void> fillDemoData(Database& db, const DemoDataOptions& options) {
  return attempt([&] {
    Transaction transaction(db);
    Dice dice(options.seed);

    // Users and their status: managers may not administer users or delete orders.
    const qint64 managerStatus =
        insertName(db, QStringLiteral("Статусы"), QStringLiteral("Название"), QStringLiteral("Менеджер"));
    for (const char* key :
         {"UserManager", "StatusManager", "DBManager", "OrderDelete", "UserManagerDelete", "StatusManagerDelete"}) {
      Statement right(db, QStringLiteral("INSERT INTO Полномочия (Status_ID, Поле, Изменение) "
                                         "VALUES (:Status_ID, :Поле, :Изменение)"));
      right.bind(QStringLiteral("Status_ID"), managerStatus)
          .bind(QStringLiteral("Поле"), QString::fromLatin1(key))
          .bind(QStringLiteral("Изменение"), false);
      right.exec();
    }
    QList<std::pair<qint64, QString>> authors = {
        {idsOf(db, QStringLiteral("SELECT ID FROM Пользователи WHERE Логин='Administrator'")).value(0),
         QStringLiteral("Administrator")}};
    if (!options.userPassword.isEmpty()) {
      const QString hash = hashPassword(options.userPassword);
      const QList<QStringList> users = {{"Петрова Анна Сергеевна", "petrova", "clMoneyGreen"},
                                        {"Смирнов Игорь Викторович", "smirnov", "clSkyBlue"},
                                        {"Кузнецова Ольга Павловна", "kuznetsova", "clCream"},
                                        {"Волков Денис Андреевич", "volkov", "$00D7EBFA"}};
      Statement user(db, QStringLiteral("INSERT INTO Пользователи (ФИО, Логин, Пароль, Status_ID, Цвет) "
                                        "VALUES (:ФИО, :Логин, :Пароль, :Status_ID, :Цвет)"));
      for (const QStringList& u : users) {
        user.bind(QStringLiteral("ФИО"), u[0])
            .bind(QStringLiteral("Логин"), u[1])
            .bind(QStringLiteral("Пароль"), hash)
            .bind(QStringLiteral("Status_ID"), managerStatus)
            .bind(QStringLiteral("Цвет"), u[2]);
        authors.append({user.insert(), u[1]});
      }
    }

    // Money directories.
    const QList<qint64> currencies = idsOf(db, QStringLiteral("SELECT ID FROM Валюты ORDER BY ID"));
    Statement rate(db, QStringLiteral("UPDATE Валюты SET Курс=:Курс, Обновлено=:Обновлено WHERE Код=:Код"));
    for (const auto& [code, value] : {std::pair{"USD", 78.4512}, std::pair{"EUR", 91.2370}}) {
      rate.bind(QStringLiteral("Курс"), value)
          .bind(QStringLiteral("Обновлено"), options.today.addDays(-1))
          .bind(QStringLiteral("Код"), QString::fromLatin1(code));
      rate.exec();
    }
    const QList<double> ratesById = {1.0, 78.4512, 91.2370};
    for (const char* name : {"Срочный", "Сборный груз", "Международный FTL"})
      insertName(db, QStringLiteral("Тарифы"), QStringLiteral("Тариф"), QString::fromUtf8(name));
    const QList<qint64> tariffs = idsOf(db, QStringLiteral("SELECT ID FROM Тарифы ORDER BY ID"));
    Statement tariffDefault(db, QStringLiteral("INSERT INTO УмолчанияТарифов (Тариф_ID, Валюта_ID, ПоУмолчанию) "
                                               "VALUES (:Тариф_ID, :Валюта_ID, :ПоУмолчанию)"));
    for (int t = 0; t < tariffs.size(); ++t) {
      const QList<double> base = {90000.0 + 30000 * t, 1150.0 + 380 * t, 1000.0 + 330 * t};
      for (int c = 0; c < currencies.size() && c < base.size(); ++c) {
        tariffDefault.bind(QStringLiteral("Тариф_ID"), tariffs[t])
            .bind(QStringLiteral("Валюта_ID"), currencies[c])
            .bind(QStringLiteral("ПоУмолчанию"), base[c]);
        tariffDefault.exec();
      }
    }
    QList<qint64> expenses;
    Statement expenseDefault(db, QStringLiteral("INSERT INTO УмолчанияРасходов (Расход_ID, Валюта_ID, ПоУмолчанию) "
                                                "VALUES (:Расход_ID, :Валюта_ID, :ПоУмолчанию)"));
    const QList<std::pair<const char*, double>> expenseKinds = {{"Таможенное оформление", 12000},
                                                                {"Страхование груза", 4500},
                                                                {"Погрузочные работы", 3000},
                                                                {"Сверхнормативный простой", 8000}};
    for (const auto& [name, rub] : expenseKinds) {
      const qint64 id = insertName(db, QStringLiteral("Расходы"), QStringLiteral("Расход"), QString::fromUtf8(name));
      expenses.append(id);
      for (int c = 0; c < currencies.size() && c < ratesById.size(); ++c) {
        expenseDefault.bind(QStringLiteral("Расход_ID"), id)
            .bind(QStringLiteral("Валюта_ID"), currencies[c])
            .bind(QStringLiteral("ПоУмолчанию"), std::round(rub / ratesById[c]));
        expenseDefault.exec();
      }
    }
    Statement firm(db, QStringLiteral("INSERT INTO Фирмы (Фирма, Телефон, Реквизиты, Умолчание) "
                                      "VALUES (:Фирма, :Телефон, :Реквизиты, :Умолчание)"));
    firm.bind(QStringLiteral("Фирма"), QStringLiteral("ООО «Верхольм Интернешнл»"))
        .bind(QStringLiteral("Телефон"), QStringLiteral("+7 (812) 640-12-12"))
        .bind(QStringLiteral("Реквизиты"),
              QStringLiteral("ИНН 7801234567, КПП 780101001\nр/с 40702810900000012345 в ПАО «Банк "
                             "Санкт-Петербург»\nк/с 30101810900000000790, БИК 044030790\n"
                             "199034, Санкт-Петербург, Невская наб., д. 12, оф. 4"))
        .bind(QStringLiteral("Умолчание"), true);
    firm.exec();
    firm.bind(QStringLiteral("Фирма"), QStringLiteral("ООО «Верхольм Логистик»"))
        .bind(QStringLiteral("Телефон"), QStringLiteral("+7 (495) 730-45-45"))
        .bind(QStringLiteral("Реквизиты"),
              QStringLiteral("ИНН 7701987654, КПП 770101001\nр/с 40702810300000054321 в АО «Альфа-Банк»\n"
                             "к/с 30101810200000000593, БИК 044525593\n125009, Москва, ул. Тверская, д. 7"))
        .bind(QStringLiteral("Умолчание"), false);
    firm.exec();

    // Sources, advertising channels, dispatchers.
    for (const char* name : {"Интернет-сайт", "Яндекс.Директ", "Выставка «ТрансРоссия»", "Отраслевой справочник"})
      insertName(db, QStringLiteral("Реклама"), QStringLiteral("Наименование"), QString::fromUtf8(name));
    Statement dispatcher(db, QStringLiteral("INSERT INTO Диспетчеры (ФИО, Контакты) VALUES (:ФИО, :Контакты)"));
    for (int i = 0; i < 3; ++i) {
      dispatcher.bind(QStringLiteral("ФИО"), personName(dice))
          .bind(QStringLiteral("Контакты"), phone(dice) + QStringLiteral(", Telegram"));
      dispatcher.exec();
    }
    const QList<qint64> sources = idsOf(db, QStringLiteral("SELECT ID FROM Источники ORDER BY ID"));
    const QList<qint64> channels = idsOf(db, QStringLiteral("SELECT ID FROM Реклама ORDER BY ID"));
    const QList<qint64> dispatchers = idsOf(db, QStringLiteral("SELECT ID FROM Диспетчеры ORDER BY ID"));
    const QList<qint64> vehicleTypes = idsOf(db, QStringLiteral("SELECT ID FROM ТС ORDER BY ID"));

    // Clients with their groups and contact persons.
    QList<qint64> groups;
    for (const QString& name : kGroups)
      groups.append(insertName(db, QStringLiteral("Группы"), QStringLiteral("Наименование"), name));
    Statement client(db, QStringLiteral("INSERT INTO Клиенты (Организация, Группа_ID, Контакты) "
                                        "VALUES (:Организация, :Группа_ID, :Контакты)"));
    Statement person(db, QStringLiteral("INSERT INTO Заказчики (Клиент_ID, ФИО, Телефон) "
                                        "VALUES (:Клиент_ID, :ФИО, :Телефон)"));
    QList<std::pair<qint64, QList<qint64>>> clients;
    for (int i = 0; i < kClients.size(); ++i) {
      client.bind(QStringLiteral("Организация"), kClients[i])
          .bind(QStringLiteral("Группа_ID"), dice.pick(groups))
          .bind(QStringLiteral("Контакты"), QStringLiteral("ИНН 77%1, КПП 77%2\nр/с 40702810%3\nтел. %4")
                                                .arg(dice.between(10000000, 99999999))
                                                .arg(dice.between(1000000, 9999999))
                                                .arg(dice.between(100000000, 999999999))
                                                .arg(phone(dice)));
      const qint64 clientId = client.insert();
      QList<qint64> persons;
      QStringList used;
      for (int p = dice.between(1, 3); p > 0; --p) {
        const QString name = personName(dice);
        if (used.contains(name))
          continue;
        used.append(name);
        person.bind(QStringLiteral("Клиент_ID"), clientId)
            .bind(QStringLiteral("ФИО"), name)
            .bind(QStringLiteral("Телефон"), phone(dice));
        persons.append(person.insert());
      }
      clients.append({clientId, persons});
    }

    // Carriers with vehicles, drivers and managers.
    Statement carrier(db, QStringLiteral("INSERT INTO Исполнители (Исполнитель, Телефон, Факс, EMAIL) "
                                         "VALUES (:Исполнитель, :Телефон, :Факс, :EMAIL)"));
    Statement vehicle(db, QStringLiteral("INSERT INTO Авто (Исполнитель_ID, Марка, Номер, ТипТС_ID, Описание) "
                                         "VALUES (:Исполнитель_ID, :Марка, :Номер, :ТипТС_ID, :Описание)"));
    Statement driver(db, QStringLiteral("INSERT INTO Водители (Авто_ID, Водитель, Телефон) "
                                        "VALUES (:Авто_ID, :Водитель, :Телефон)"));
    Statement manager(db, QStringLiteral("INSERT INTO Менеджеры (Исполнитель_ID, Менеджер, Телефон) "
                                         "VALUES (:Исполнитель_ID, :Менеджер, :Телефон)"));
    QList<Carrier> carriers;
    QStringList usedPlates, usedManagers;
    for (int i = 0; i < kCarriers.size(); ++i) {
      carrier.bind(QStringLiteral("Исполнитель"), kCarriers[i])
          .bind(QStringLiteral("Телефон"), phone(dice))
          .bind(QStringLiteral("Факс"), phone(dice))
          .bind(QStringLiteral("EMAIL"), QStringLiteral("dispatch%1@carrier%1.example").arg(i + 1));
      Carrier c{carrier.insert(), {}, {}, {}, {}};
      for (int v = dice.between(1, 4); v > 0; --v) {
        QString number = plate(dice);
        while (usedPlates.contains(number))
          number = plate(dice);
        usedPlates.append(number);
        const qint64 type = dice.pick(vehicleTypes);
        vehicle.bind(QStringLiteral("Исполнитель_ID"), c.id)
            .bind(QStringLiteral("Марка"), dice.pick(kMakes))
            .bind(QStringLiteral("Номер"), number)
            .bind(QStringLiteral("ТипТС_ID"), type)
            .bind(QStringLiteral("Описание"), QStringLiteral("Полуприцеп, объём 86 м³, евро-5"));
        const qint64 vehicleId = vehicle.insert();
        c.vehicles.append(vehicleId);
        c.vehicleTypes.append(type);
        QList<qint64> vehicleDrivers;
        for (int d = dice.between(1, 2); d > 0; --d) {
          driver.bind(QStringLiteral("Авто_ID"), vehicleId)
              .bind(QStringLiteral("Водитель"), personName(dice))
              .bind(QStringLiteral("Телефон"), phone(dice));
          vehicleDrivers.append(driver.insert());
        }
        c.drivers.append(vehicleDrivers);
      }
      for (int m = dice.between(1, 2); m > 0; --m) {
        const QString name = personName(dice);
        if (usedManagers.contains(name))
          continue;
        usedManagers.append(name);
        manager.bind(QStringLiteral("Исполнитель_ID"), c.id)
            .bind(QStringLiteral("Менеджер"), name)
            .bind(QStringLiteral("Телефон"), phone(dice));
        c.managers.append(manager.insert());
      }
      if (c.managers.isEmpty()) {
        manager.bind(QStringLiteral("Исполнитель_ID"), c.id)
            .bind(QStringLiteral("Менеджер"), QStringLiteral("Диспетчерская %1").arg(kCarriers[i]))
            .bind(QStringLiteral("Телефон"), phone(dice));
        c.managers.append(manager.insert());
      }
      carriers.append(c);
    }

    // Orders over the four months before today and the three weeks after it.
    Statement order(
        db, QStringLiteral(
                "INSERT INTO Заявки (Создано, Creator_ID, НачалоЗаказа, ОкончаниеЗаказа, ОбщееВремя, Клиент_ID, "
                "Заказчик_ID, ТипТС_ID, ПараметрыТС, Источник_ID, Реклама_ID, Диспетчер_ID, Маршрут, Загрузка, "
                "Разгрузка, ТаможняНазначения, Груз, Получатель, Экспедиция, Исполнитель_ID, Автомобиль_ID, "
                "Водитель_ID, Менеджер_ID, Валюта_ID, Расчет, Тариф_ID, ЦенаПеревозки, Сумма, СуммаКлиента, "
                "СуммаКлиентаРуб, ОплатаКлиента, ДатаОплатыКлиента, СуммаИсполнителю, СуммаИсполнителюРуб, "
                "ОплатаИсполнителю, ДатаОплатыИсполнителю, Прибыль, Дополнительно, Done) VALUES (:Создано, "
                ":Creator_ID, :НачалоЗаказа, :ОкончаниеЗаказа, :ОбщееВремя, :Клиент_ID, :Заказчик_ID, :ТипТС_ID, "
                ":ПараметрыТС, :Источник_ID, :Реклама_ID, :Диспетчер_ID, :Маршрут, :Загрузка, :Разгрузка, "
                ":ТаможняНазначения, :Груз, :Получатель, :Экспедиция, :Исполнитель_ID, :Автомобиль_ID, :Водитель_ID, "
                ":Менеджер_ID, :Валюта_ID, :Расчет, :Тариф_ID, :ЦенаПеревозки, :Сумма, :СуммаКлиента, "
                ":СуммаКлиентаРуб, :ОплатаКлиента, :ДатаОплатыКлиента, :СуммаИсполнителю, :СуммаИсполнителюРуб, "
                ":ОплатаИсполнителю, :ДатаОплатыИсполнителю, :Прибыль, :Дополнительно, :Done)"));
    Statement expense(db, QStringLiteral("INSERT INTO Расходные (Заявка_ID, Расход_ID, Расходные) "
                                         "VALUES (:Заявка_ID, :Расход_ID, :Расходные)"));
    Statement journal(db, QStringLiteral("INSERT INTO Протокол (ДатаВремя, Действие, Логин, Детализация) "
                                         "VALUES (:ДатаВремя, :Действие, :Логин, '')"));
    const QDateTime now(options.today, QTime(9, 0));
    for (int n = 0; n < options.orders; ++n) {
      const int dayOffset = -120 + (n * 141) / std::max(1, options.orders) + dice.between(-2, 2);
      const QDateTime start = QDateTime(options.today.addDays(dayOffset), QTime(dice.between(6, 18), 0));
      const int hours = dice.between(10, 96);
      const QDateTime end = start.addSecs(qint64(hours) * 3600);
      const QDateTime created = std::min(start.addDays(-dice.between(1, 6)).addSecs(dice.between(0, 30000)), now);
      const auto& [clientId, persons] = dice.pick(clients);
      const Carrier& c = dice.pick(carriers);
      const int v = dice.below(int(c.vehicles.size()));
      const City& from = dice.pick(kCities);
      City to = dice.pick(kCities);
      while (QLatin1String(to.name) == QLatin1String(from.name))
        to = dice.pick(kCities);
      const int currencyIndex = dice.chance(60) ? 0 : (dice.chance(60) ? 2 : 1);
      const double currencyRate = ratesById.value(currencyIndex, 1.0);
      const double price = currencyIndex == 0 ? dice.between(40, 250) * 1000.0 : dice.between(8, 45) * 100.0;
      double expenseTotal = 0;
      QList<std::pair<qint64, double>> orderExpenses;
      for (const qint64 kind : expenses) {
        if (dice.chance(20)) {
          const double amount = std::round(dice.between(2, 12) * 1000.0 / currencyRate);
          orderExpenses.append({kind, amount});
          expenseTotal += amount;
        }
      }
      const double sum = price + expenseTotal;
      const double workerSum = round2(sum * dice.between(78, 92) / 100.0);
      const bool past = end < now;
      const bool clientPaid = past && dice.chance(85);
      const bool workerPaid = past && dice.chance(80);
      const double clientSum = clientPaid ? (dice.chance(90) ? sum : round2(sum * 0.8)) : 0;
      const double clientRub = clientPaid ? round2(clientSum * currencyRate) : 0;
      const double workerRub = workerPaid ? round2(workerSum * currencyRate) : 0;
      const int source = dice.below(int(sources.size()));
      const auto& author = dice.pick(authors);

      order.bind(QStringLiteral("Создано"), created)
          .bind(QStringLiteral("Creator_ID"), author.first)
          .bind(QStringLiteral("НачалоЗаказа"), start)
          .bind(QStringLiteral("ОкончаниеЗаказа"), end)
          .bind(QStringLiteral("ОбщееВремя"), hours * 60)
          .bind(QStringLiteral("Клиент_ID"), clientId)
          .bind(QStringLiteral("Заказчик_ID"), persons.isEmpty() ? 0 : dice.pick(persons))
          .bind(QStringLiteral("ТипТС_ID"), c.vehicleTypes[v])
          .bind(QStringLiteral("ПараметрыТС"),
                QStringLiteral("%1 т, %2 м³").arg(dice.between(5, 22)).arg(dice.between(40, 120)))
          .bind(QStringLiteral("Источник_ID"), sources[source])
          .bind(QStringLiteral("Реклама_ID"), source == 0 ? dice.pick(channels) : 0)
          .bind(QStringLiteral("Диспетчер_ID"), source == 1 ? dice.pick(dispatchers) : 0)
          .bind(QStringLiteral("Маршрут"),
                QString::fromUtf8(from.name) + QStringLiteral(" — ") + QString::fromUtf8(to.name))
          .bind(QStringLiteral("Загрузка"), QString::fromUtf8(from.customs))
          .bind(QStringLiteral("Разгрузка"), QStringLiteral("%1, склад получателя").arg(QString::fromUtf8(to.name)))
          .bind(QStringLiteral("ТаможняНазначения"), QString::fromUtf8(to.customs))
          .bind(QStringLiteral("Груз"), dice.pick(kFreights))
          .bind(QStringLiteral("Получатель"),
                QStringLiteral("%1, контактное лицо %2").arg(QString::fromUtf8(to.name), personName(dice)))
          .bind(QStringLiteral("Экспедиция"), dice.pick(kExpeditions))
          .bind(QStringLiteral("Исполнитель_ID"), c.id)
          .bind(QStringLiteral("Автомобиль_ID"), c.vehicles[v])
          .bind(QStringLiteral("Водитель_ID"), dice.pick(c.drivers[v]))
          .bind(QStringLiteral("Менеджер_ID"), dice.pick(c.managers))
          .bind(QStringLiteral("Валюта_ID"), currencies.value(currencyIndex))
          .bind(QStringLiteral("Расчет"), dice.chance(80) ? 1 : 0)
          .bind(QStringLiteral("Тариф_ID"), dice.pick(tariffs))
          .bind(QStringLiteral("ЦенаПеревозки"), price)
          .bind(QStringLiteral("Сумма"), sum)
          .bind(QStringLiteral("СуммаКлиента"), clientSum)
          .bind(QStringLiteral("СуммаКлиентаРуб"), clientRub)
          .bind(QStringLiteral("ОплатаКлиента"), clientPaid)
          .bind(QStringLiteral("СуммаИсполнителю"), workerSum)
          .bind(QStringLiteral("СуммаИсполнителюРуб"), workerRub)
          .bind(QStringLiteral("ОплатаИсполнителю"), workerPaid)
          .bind(QStringLiteral("Прибыль"), std::max(0.0, clientRub - workerRub))
          .bind(QStringLiteral("Дополнительно"), dice.pick(kComments))
          .bind(QStringLiteral("Done"), past && clientPaid && workerPaid && end.daysTo(now) > 45);
      if (clientPaid)
        order.bind(QStringLiteral("ДатаОплатыКлиента"),
                   QDateTime(end.date().addDays(dice.between(0, 10)), QTime(0, 0)));
      else
        order.bindNull(QStringLiteral("ДатаОплатыКлиента"));
      if (workerPaid)
        order.bind(QStringLiteral("ДатаОплатыИсполнителю"),
                   QDateTime(end.date().addDays(dice.between(3, 20)), QTime(0, 0)));
      else
        order.bindNull(QStringLiteral("ДатаОплатыИсполнителю"));
      const qint64 orderId = order.insert();
      for (const auto& [kind, amount] : orderExpenses) {
        expense.bind(QStringLiteral("Заявка_ID"), orderId)
            .bind(QStringLiteral("Расход_ID"), kind)
            .bind(QStringLiteral("Расходные"), amount);
        expense.exec();
      }
      if (options.journal) {
        journal.bind(QStringLiteral("ДатаВремя"), created)
            .bind(QStringLiteral("Действие"), QStringLiteral("Создание заказа № %1").arg(orderId))
            .bind(QStringLiteral("Логин"), author.second);
        journal.exec();
      }
    }
    transaction.commit();
  });
}

} // namespace vh
