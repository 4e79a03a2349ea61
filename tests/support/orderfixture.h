#pragma once

#include "core/order/orderdata.h"

namespace vh::test {

class TestDatabase;

// A small directory set for order tests: two clients with their contact
// persons, two carriers with vehicles, drivers and managers, two expense
// kinds with defaults, a tariff with defaults, an advertising channel and a
// dispatcher. Names are those of the constants below.
struct OrderFixture final {
  explicit OrderFixture(TestDatabase& data);

  // A complete order between the first client and the first carrier.
  OrderInput order() const;

  static constexpr const char* kClient = "ООО «Ромашка»";
  static constexpr const char* kCustomer = "Иванов Иван";
  static constexpr const char* kOtherClient = "АО «Вектор»";
  static constexpr const char* kOtherCustomer = "Петрова Анна";
  static constexpr const char* kCarrier = "ООО «Трансавто»";
  static constexpr const char* kVehicle = "Volvo FH • А123ВС 78";
  static constexpr const char* kOtherVehicle = "MAN TGX • К777КК 47";
  static constexpr const char* kDriver = "Сидоров Пётр";
  static constexpr const char* kOtherDriver = "Козлов Олег";
  static constexpr const char* kManager = "Смирнова Ольга";
  static constexpr const char* kOtherCarrier = "ООО «ЕвроТрак»";
  static constexpr const char* kVehicleType = "Фургон 5 т"; // 240 minutes at least, 60 to bring it
  static constexpr const char* kTariff = "Стандартный";
  static constexpr const char* kAdChannel = "Интернет-сайт";
  static constexpr const char* kDispatcher = "Орлов Дмитрий";

  qint64 clientId = 0;
  qint64 otherClientId = 0;
  qint64 carrierId = 0;
  qint64 otherCarrierId = 0;
  qint64 vehicleId = 0;
  qint64 otherVehicleId = 0;
  qint64 driverId = 0;
  qint64 managerId = 0;
  qint64 customsKind = 0;   // "Таможенное оформление": default 150 in roubles
  qint64 insuranceKind = 0; // "Страхование": default 50 in roubles
  qint64 tariffId = 0;      // default freight rate 1000 in roubles
};

} // namespace vh::test
