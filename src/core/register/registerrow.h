#pragma once

#include <QDateTime>
#include <QString>

namespace vh {

// One order as the register lists it.
struct RegisterRow final {
  qint64 id = 0;
  QDateTime start;
  QDateTime end;
  QString client;
  QString customer;
  QString vehicleType;
  QString route;
  QString freight;
  QString receiver;
  QString expedition;
  QString carrier;
  QString plate;
  QString driver;
  double sum = 0;
  QString currency;
  double clientSum = 0;
  double clientRub = 0;
  double workerRub = 0;
  double profit = 0;
  QString author;
  QString colorText; // the author's order colour, see colortext.h

  // The client has not covered the order amount: its rouble cell shows in red.
  bool underpaid() const { return sum > clientSum; }
};

} // namespace vh
