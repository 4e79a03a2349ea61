#include "core/order/orderchanges.h"

#include <QLocale>

namespace vh {

namespace {

QLocale russian() {
  QLocale locale(QLocale::Russian, QLocale::Russia);
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale;
}

QString yesNo(bool value) {
  return value ? QStringLiteral("Да") : QStringLiteral("Нет");
}

QString attachmentsText(const QList<AttachmentEntry>& entries) {
  QStringList lines;
  for (const AttachmentEntry& entry : entries)
    lines.append(entry.text);
  return lines.join(u'\n');
}

} // namespace

const QStringList& trackedCaptions() {
  static const QStringList captions = {
      QStringLiteral("Клиент"),
      QStringLiteral("Заказчик"),
      QStringLiteral("Начало заказа"),
      QStringLiteral("Окончание заказа"),
      QStringLiteral("Маршрут"),
      QStringLiteral("Загрузка"),
      QStringLiteral("Разгрузка"),
      QStringLiteral("Таможня места назначения"),
      QStringLiteral("Груз"),
      QStringLiteral("Получатель"),
      QStringLiteral("Экспедиция"),
      QStringLiteral("Тип транспорта"),
      QStringLiteral("Параметры подвижного состава"),
      QStringLiteral("Исполнитель"),
      QStringLiteral("Транспорт"),
      QStringLiteral("Водитель"),
      QStringLiteral("Менеджер"),
      QStringLiteral("Источник заказа"),
      QStringLiteral("Диспетчер/Вид рекламы"),
      QStringLiteral("Примечания"),
      QStringLiteral("Прикрепленные файлы"),
      QStringLiteral("Валюта"),
      QStringLiteral("Расчет"),
      QStringLiteral("Тариф"),
      QStringLiteral("Ставка фрахта"),
      QStringLiteral("Сумма заказа"),
      QStringLiteral("Оплата клиента"),
      QStringLiteral("Сумма клиента"),
      QStringLiteral("Дата оплаты клиента"),
      QStringLiteral("Сумма клиента в рублях"),
      QStringLiteral("Оплата исполнителю"),
      QStringLiteral("Сумма исполнителю"),
      QStringLiteral("Дата оплаты исполнителю"),
      QStringLiteral("Сумма исполнителю в рублях"),
      QStringLiteral("Прибыль"),
  };
  return captions;
}

QStringList trackedTexts(const OrderInput& o) {
  return {
      o.client,
      o.customer,
      journalDateTime(o.start),
      journalDateTime(o.end),
      o.route,
      o.load,
      o.unload,
      o.toCustom,
      o.freight,
      o.receiver,
      o.expedition,
      o.vehicleType,
      o.transportDescription,
      o.carrier,
      o.vehicle,
      o.driver,
      o.manager,
      o.source,
      o.extra,
      o.comment,
      attachmentsText(o.attachments),
      o.currency,
      kCashTypes.value(o.cashType),
      o.tariff,
      journalNumber(o.wayPrice),
      journalNumber(o.sum),
      yesNo(o.clientPaid),
      journalNumber(o.clientSum),
      journalDate(o.clientPaymentDate),
      journalNumber(o.clientRoubles),
      yesNo(o.workerPaid),
      journalNumber(o.workerSum),
      journalDate(o.workerPaymentDate),
      journalNumber(o.workerRoubles),
      journalNumber(o.profit),
  };
}

QStringList changeLines(const QStringList& before, const QStringList& after) {
  const auto shown = [](const QString& text) { return text.isEmpty() ? QStringLiteral("(пусто)") : text; };
  QStringList lines;
  const QStringList& captions = trackedCaptions();
  for (qsizetype i = 0; i < captions.size(); ++i) {
    const QString old = before.value(i);
    const QString now = after.value(i);
    if (old != now)
      lines.append(QStringLiteral("%1: %2 >> %3").arg(captions.at(i), shown(old), shown(now)));
  }
  return lines;
}

QString journalDateTime(const QDateTime& value) {
  if (!value.isValid())
    return {};
  const QString date = journalDate(value.date());
  if (value.time() == QTime(0, 0))
    return date;
  return date + u' ' + value.time().toString(QStringLiteral("HH:mm:ss"));
}

QString journalDate(const QDate& value) {
  return value.isValid() ? value.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString journalNumber(double value) {
  return russian().toString(value, 'g', 15);
}

} // namespace vh
