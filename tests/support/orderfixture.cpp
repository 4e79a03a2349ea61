#include "support/orderfixture.h"

#include "support/testdatabase.h"

namespace vh::test {

OrderFixture::OrderFixture(TestDatabase& data) {
  const auto s = [](const char* text) { return QString::fromUtf8(text); };
  clientId =
      data.exec("INSERT INTO Клиенты (Организация, Контакты) VALUES (:n, 'ИНН 7701000001')", {{"n", s(kClient)}});
  data.exec("INSERT INTO Заказчики (Клиент_ID, ФИО, Телефон) VALUES (:c, :n, '+7 495 111-11-11')",
            {{"c", clientId}, {"n", s(kCustomer)}});
  otherClientId =
      data.exec("INSERT INTO Клиенты (Организация, Контакты) VALUES (:n, 'ИНН 7701000002')", {{"n", s(kOtherClient)}});
  data.exec("INSERT INTO Заказчики (Клиент_ID, ФИО, Телефон) VALUES (:c, :n, '+7 495 222-22-22')",
            {{"c", otherClientId}, {"n", s(kOtherCustomer)}});

  carrierId = data.exec("INSERT INTO Исполнители (Исполнитель, Телефон, Факс) VALUES (:n, '111-11-11', '111-11-12')",
                        {{"n", s(kCarrier)}});
  vehicleId = data.exec("INSERT INTO Авто (Исполнитель_ID, Марка, Номер) VALUES (:c, 'Volvo FH', 'А123ВС 78')",
                        {{"c", carrierId}});
  otherVehicleId = data.exec("INSERT INTO Авто (Исполнитель_ID, Марка, Номер) VALUES (:c, 'MAN TGX', 'К777КК 47')",
                             {{"c", carrierId}});
  driverId = data.exec("INSERT INTO Водители (Авто_ID, Водитель, Телефон) VALUES (:v, :n, '+7 921 000-00-01')",
                       {{"v", vehicleId}, {"n", s(kDriver)}});
  data.exec("INSERT INTO Водители (Авто_ID, Водитель, Телефон) VALUES (:v, :n, '+7 921 000-00-02')",
            {{"v", otherVehicleId}, {"n", s(kOtherDriver)}});
  managerId = data.exec("INSERT INTO Менеджеры (Исполнитель_ID, Менеджер, Телефон) VALUES (:c, :n, '+7 812 000-00-03')",
                        {{"c", carrierId}, {"n", s(kManager)}});
  otherCarrierId = data.exec("INSERT INTO Исполнители (Исполнитель, Телефон, Факс) VALUES (:n, '222-22-22', '')",
                             {{"n", s(kOtherCarrier)}});
  data.exec("INSERT INTO Менеджеры (Исполнитель_ID, Менеджер) VALUES (:c, 'Белов Антон')", {{"c", otherCarrierId}});

  const qint64 rouble = data.scalar("SELECT ID FROM Валюты WHERE Код=''").toLongLong();
  customsKind = data.exec("INSERT INTO Расходы (Расход) VALUES ('Таможенное оформление')");
  insuranceKind = data.exec("INSERT INTO Расходы (Расход) VALUES ('Страхование')");
  data.exec("INSERT INTO Расходы (Расход, Активно) VALUES ('Устаревший расход', False)");
  data.exec("INSERT INTO УмолчанияРасходов (Расход_ID, Валюта_ID, ПоУмолчанию) VALUES (:k, :c, 150)",
            {{"k", customsKind}, {"c", rouble}});
  data.exec("INSERT INTO УмолчанияРасходов (Расход_ID, Валюта_ID, ПоУмолчанию) VALUES (:k, :c, 50)",
            {{"k", insuranceKind}, {"c", rouble}});
  tariffId = data.scalar("SELECT ID FROM Тарифы WHERE Тариф=:t", {{"t", s(kTariff)}}).toLongLong();
  data.exec("INSERT INTO УмолчанияТарифов (Тариф_ID, Валюта_ID, ПоУмолчанию) VALUES (:t, :c, 1000)",
            {{"t", tariffId}, {"c", rouble}});
  data.exec("INSERT INTO Реклама (Наименование) VALUES (:n)", {{"n", s(kAdChannel)}});
  data.exec("INSERT INTO Диспетчеры (ФИО) VALUES (:n)", {{"n", s(kDispatcher)}});
}

OrderInput OrderFixture::order() const {
  OrderInput o;
  o.client = QString::fromUtf8(kClient);
  o.customer = QString::fromUtf8(kCustomer);
  o.start = QDateTime(QDate(2026, 3, 2), QTime(9, 0));
  o.end = QDateTime(QDate(2026, 3, 4), QTime(18, 30));
  o.totalMinutes = 3630;
  o.route = QStringLiteral("Москва — Берлин");
  o.load = QStringLiteral("Московская областная таможня");
  o.unload = QStringLiteral("Берлин, склад");
  o.toCustom = QStringLiteral("Hauptzollamt Berlin");
  o.freight = QStringLiteral("Мебель, 12 т");
  o.receiver = QStringLiteral("Möbel GmbH");
  o.expedition = QStringLiteral("CMR, TIR");
  o.vehicleType = QString::fromUtf8(kVehicleType);
  o.transportDescription = QStringLiteral("86 м³");
  o.carrier = QString::fromUtf8(kCarrier);
  o.vehicle = QString::fromUtf8(kVehicle);
  o.driver = QString::fromUtf8(kDriver);
  o.manager = QString::fromUtf8(kManager);
  o.source = QStringLiteral("Постоянный клиент");
  o.currency = QStringLiteral("Рубль");
  o.cashType = 1;
  o.tariff = QString::fromUtf8(kTariff);
  o.wayPrice = 1000;
  o.sum = 1150;
  o.clientPaymentDate = QDate(2026, 3, 5);
  o.workerPaymentDate = QDate(2026, 3, 5);
  o.workerSum = 900;
  o.expenses = {{customsKind, 150.0}, {insuranceKind, std::nullopt}};
  return o;
}

} // namespace vh::test
