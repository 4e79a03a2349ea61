#include "core/rights/permissioncatalogue.h"

namespace vh {

PermissionKind permissionKind(const QString& key) {
  if (key.startsWith(u'_'))
    return PermissionKind::Field;
  if (key.startsWith(u'#'))
    return PermissionKind::Journal;
  return PermissionKind::Command;
}

QString journalKey(qint64 userId) {
  return QStringLiteral("#") + QString::number(userId);
}

const QList<CatalogueSection>& fieldCatalogue() {
  static const QList<CatalogueSection> sections = {
      {QStringLiteral("Заказ"),
       {
           {QStringLiteral("_ClientName"), QStringLiteral("Клиент")},
           {QStringLiteral("_ClientFace"), QStringLiteral("Заказчик")},
           {QStringLiteral("_StartDateTime"), QStringLiteral("Начало заказа")},
           {QStringLiteral("_EndDataTime"), QStringLiteral("Окончание заказа")},
           {QStringLiteral("_Route"), QStringLiteral("Маршрут")},
           {QStringLiteral("_Load"), QStringLiteral("Загрузка")},
           {QStringLiteral("_Unload"), QStringLiteral("Разгрузка")},
           {QStringLiteral("_TO_CUSTOM"), QStringLiteral("Таможня места назначения")},
           {QStringLiteral("_FREIGHT"), QStringLiteral("Груз")},
           {QStringLiteral("_RECEIVER"), QStringLiteral("Получатель")},
           {QStringLiteral("_EXPEDITION"), QStringLiteral("Экспедиция")},
           {QStringLiteral("_AutoType"), QStringLiteral("Тип транспорта")},
           {QStringLiteral("_TransportDescription"), QStringLiteral("Параметры подвижного состава")},
           {QStringLiteral("_WorkerName"), QStringLiteral("Транспортная компания (исполнитель)")},
           {QStringLiteral("_Auto"), QStringLiteral("Транспорт исполнителя")},
           {QStringLiteral("_Driver"), QStringLiteral("Водитель транспорта")},
           {QStringLiteral("_WorkerManager"), QStringLiteral("Менеджер исполнителя")},
           {QStringLiteral("_OrderSource"), QStringLiteral("Источник заказа")},
           {QStringLiteral("_Comment"), QStringLiteral("Примечания")},
           {QStringLiteral("_Attachments"), QStringLiteral("Прикрепленные файлы")},
       }},
      {QStringLiteral("Оплата"),
       {
           {QStringLiteral("_CurrencyType"), QStringLiteral("Валюта")},
           {QStringLiteral("_CashType"), QStringLiteral("Расчет")},
           {QStringLiteral("_Tarif"), QStringLiteral("Тариф")},
           {QStringLiteral("_WayPrice"), QStringLiteral("Ставка фрахта")},
           {QStringLiteral("_ClientPayment"), QStringLiteral("Оплата клиента")},
           {QStringLiteral("_ClientPaymentDate"), QStringLiteral("Дата оплаты клиента")},
           {QStringLiteral("_ClientSumm"), QStringLiteral("Сумма клиента")},
           {QStringLiteral("_ClientRUBSumm"), QStringLiteral("Сумма клиента в рублях")},
           {QStringLiteral("_WorkerPayment"), QStringLiteral("Оплата исполнителю")},
           {QStringLiteral("_WorkerPaymentDate"), QStringLiteral("Дата оплаты исполнителю")},
           {QStringLiteral("_WorkerSumm"), QStringLiteral("Сумма исполнителю")},
           {QStringLiteral("_WorkerRUBSumm"), QStringLiteral("Сумма исполнителю в рублях")},
       }},
  };
  return sections;
}

const QList<CatalogueSection>& commandCatalogue() {
  static const QList<CatalogueSection> sections = {
      {QStringLiteral("Редакторы"),
       {
           {QStringLiteral("SourceManager"), QStringLiteral("Источники заказов")},
           {QStringLiteral("SourceManagerDelete"), QStringLiteral("Удаление источников заказов"), true},
           {QStringLiteral("GroupManager"), QStringLiteral("Группы Клиентов")},
           {QStringLiteral("CommandManager"), QStringLiteral("Типы транспорта")},
           {QStringLiteral("TarifManagerBtn"), QStringLiteral("Тарифы")},
           {QStringLiteral("ExpensesManager"), QStringLiteral("Расходы")},
           {QStringLiteral("CurrencyManagerBtn"), QStringLiteral("Валюты")},
           {QStringLiteral("FirmManagerBtn"), QStringLiteral("Фирмы и реквизиты")},
       }},
      {QStringLiteral("Клиенты и Исполнители"),
       {
           {QStringLiteral("ClientManager"), QStringLiteral("Клиенты")},
           {QStringLiteral("ClientManagerDelete"), QStringLiteral("Удаление Клиентов"), true},
           {QStringLiteral("WorkerManager"), QStringLiteral("Исполнители")},
           {QStringLiteral("WorkerManagerDelete"), QStringLiteral("Удаление Исполнителей"), true},
       }},
      {QStringLiteral("Работа с заказами"),
       {
           {QStringLiteral("OrderEditor"), QStringLiteral("Оформление, дублирование и правка заказов")},
           {QStringLiteral("OrderDelete"), QStringLiteral("Аннулирование заказов")},
           {QStringLiteral("PaymentEditor"), QStringLiteral("Редактирование информации об оплате")},
           {QStringLiteral("GoToDone"), QStringLiteral("Отправка заказа в архив")},
           {QStringLiteral("WordReportBtn"), QStringLiteral("Заявка")},
           {QStringLiteral("TotalPriceBtn"), QStringLiteral("Счет")},
           {QStringLiteral("ExcelReportBtn"), QStringLiteral("Выгрузка сводного отчета")},
       }},
      {QStringLiteral("Управление и администрирование"),
       {
           {QStringLiteral("StatusManager"), QStringLiteral("Статусы полномочий")},
           {QStringLiteral("StatusManagerDelete"), QStringLiteral("Удаление статусов полномочий"), true},
           {QStringLiteral("UserManager"), QStringLiteral("Управление пользователями")},
           {QStringLiteral("UserManagerDelete"), QStringLiteral("Удаление пользователей"), true},
           {QStringLiteral("DBManager"), QStringLiteral("Системные операции с базой данных")},
       }},
  };
  return sections;
}

} // namespace vh
