#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vh {

// A directory entry as a list shows it, with its row.
struct NamedId final {
  qint64 id = 0;
  QString name;
};

// The forms of payment, saved as their index.
inline const QStringList kCashTypes = {QStringLiteral("Наличный"), QStringLiteral("Безналичный")};

// One line of the editor's list of attached files.
struct AttachmentEntry final {
  // What the list shows: a stored file's name, or a new file's full path.
  QString text;
  // The file on disk, for an entry added since the order was opened; empty
  // for a file already stored with the order.
  QString newPath;

  bool isNew() const { return !newPath.isEmpty(); }
  // The name the file is stored under: its name without the folder.
  QString fileName() const;
};

// One kind of additional expense as the order applies it.
struct ExpenseLine final {
  qint64 kindId = 0;
  // Nothing while the expense does not apply to the order.
  std::optional<double> amount;
};

// The free texts of an order, alike as typed and as stored.
struct OrderTexts {
  QString route;
  QString load;
  QString unload;
  QString toCustom;
  QString freight;
  QString receiver;
  QString expedition;
  QString transportDescription;
};

// Everything the editor holds of one order, as the user chose it: names as
// the lists show them, amounts as the fields show them.
struct OrderInput final : OrderTexts {
  QString client;
  QString customer;
  QDateTime start;
  QDateTime end;
  int totalMinutes = 0;
  QString vehicleType;
  QString carrier;
  QString vehicle; // the vehicle label "{Марка} • {Номер}"
  QString driver;
  QString manager;
  QString source;
  // The advertising channel or dispatcher, when the source asks for one.
  bool extraShown = false;
  QString extra;
  QString comment;
  QList<AttachmentEntry> attachments;

  QString currency;
  int cashType = -1; // index into kCashTypes; -1 when none is chosen
  QString tariff;
  double wayPrice = 0;
  double sum = 0;
  bool clientPaid = false;
  double clientSum = 0;
  QDate clientPaymentDate; // what the picker holds, also while unpaid
  double clientRoubles = 0;
  bool workerPaid = false;
  double workerSum = 0;
  QDate workerPaymentDate;
  double workerRoubles = 0;
  double profit = 0;
  bool done = false;
  QList<ExpenseLine> expenses;
};

// A stored order as the editor loads it: the names of its directory entries
// (empty where an entry no longer exists) and the rows the editor must pick
// out of lists that may hold equal names.
struct StoredOrder final : OrderTexts {
  qint64 id = 0;
  QDateTime start;
  QDateTime end;
  int totalMinutes = 0;
  qint64 clientId = 0;
  QString client;
  QString customer;
  QString vehicleType;
  QString source;
  qint64 adId = 0;
  qint64 dispatcherId = 0;
  qint64 carrierId = 0;
  QString carrier;
  qint64 vehicleId = 0;
  qint64 driverId = 0;
  QString manager;
  QString comment;
  bool done = false;
  QString currency;
  int cashType = 0;
  QString tariff;
  double wayPrice = 0;
  double sum = 0;
  bool clientPaid = false;
  double clientSum = 0;
  QDateTime clientPaymentDate; // invalid while unpaid
  double clientRoubles = 0;
  bool workerPaid = false;
  double workerSum = 0;
  QDateTime workerPaymentDate;
  double workerRoubles = 0;
  double profit = 0;
};

// Who registered an order, when, and whether it is archived.
struct OrderProperties final {
  QDateTime created;
  QString creator; // empty when the user no longer exists
  bool done = false;
};

} // namespace vh
