#include "core/rights/rights.h"

namespace vh {

namespace {

const QString kMain = QStringLiteral("TMainForm");
const QString kOrder = QStringLiteral("TTransOrderForm");

struct KeyTargets {
  QString key;
  QList<RightTarget> targets;
};

QList<RightTarget> fieldTargets(std::initializer_list<const char*> objects) {
  QList<RightTarget> out;
  for (const char* object : objects)
    out.append({kOrder, QString::fromLatin1(object), RightEffect::Field});
  return out;
}

QList<RightTarget> removes(std::initializer_list<const char*> commands) {
  QList<RightTarget> out;
  for (const char* command : commands)
    out.append({kMain, QString::fromLatin1(command), RightEffect::RemoveCommand});
  return out;
}

QList<RightTarget> one(const char* window, const char* object, RightEffect effect) {
  return {{QString::fromLatin1(window), QString::fromLatin1(object), effect}};
}

// What each key governs at run time. Field rights act on the order editor;
// command rights remove main-window commands and show, hide or disable
// buttons in other windows.
const QList<KeyTargets>& catalogue() {
  static const QList<KeyTargets> table = {
      {QStringLiteral("_ClientName"),
       fieldTargets({"ClientName", "SearchClientBtn", "ClientManagerBtn", "AddClientBtn"})},
      {QStringLiteral("_ClientFace"), fieldTargets({"ClientFaceCombo", "AddClientFaceBtn"})},
      {QStringLiteral("_StartDateTime"), fieldTargets({"StartDate", "StartTime"})},
      {QStringLiteral("_EndDataTime"), fieldTargets({"EndDate", "EndTime"})},
      {QStringLiteral("_Route"), fieldTargets({"Route", "SelectRouteBtn"})},
      {QStringLiteral("_Load"), fieldTargets({"Load"})},
      {QStringLiteral("_Unload"), fieldTargets({"Unload"})},
      {QStringLiteral("_TO_CUSTOM"), fieldTargets({"TO_CUSTOM"})},
      {QStringLiteral("_FREIGHT"), fieldTargets({"FREIGHT"})},
      {QStringLiteral("_RECEIVER"), fieldTargets({"RECEIVER"})},
      {QStringLiteral("_EXPEDITION"), fieldTargets({"EXPEDITION", "ExpeditionSearchBtn"})},
      {QStringLiteral("_AutoType"), fieldTargets({"AutoType"})},
      {QStringLiteral("_TransportDescription"), fieldTargets({"TransportDescription"})},
      {QStringLiteral("_WorkerName"),
       fieldTargets({"WorkerName", "SearchWorkerBtn", "WorkerManagerBtn", "AddWorkerBtn"})},
      {QStringLiteral("_Auto"), fieldTargets({"AutoCombo", "AddAutoBtn"})},
      {QStringLiteral("_Driver"), fieldTargets({"DriverCombo", "AddDriverBtn"})},
      {QStringLiteral("_WorkerManager"), fieldTargets({"WorkerManagerCombo"})},
      {QStringLiteral("_OrderSource"), fieldTargets({"OrderSourceCombo", "SourceManagerBtn"})},
      {QStringLiteral("_Comment"), fieldTargets({"Comment", "CommentSearchBtn"})},
      {QStringLiteral("_Attachments"), fieldTargets({"Attachments"})},
      {QStringLiteral("_CurrencyType"), fieldTargets({"CurrencyType"})},
      {QStringLiteral("_CashType"), fieldTargets({"CashType"})},
      {QStringLiteral("_Tarif"), fieldTargets({"Tarif"})},
      {QStringLiteral("_WayPrice"), fieldTargets({"WayPrice"})},
      {QStringLiteral("_ClientPayment"), fieldTargets({"ClientPayment"})},
      {QStringLiteral("_ClientPaymentDate"), fieldTargets({"ClientPaymentDate"})},
      {QStringLiteral("_ClientSumm"), fieldTargets({"ClientSumm"})},
      {QStringLiteral("_ClientRUBSumm"), fieldTargets({"ClientRUBSumm"})},
      {QStringLiteral("_WorkerPayment"), fieldTargets({"WorkerPayment"})},
      {QStringLiteral("_WorkerPaymentDate"), fieldTargets({"WorkerPaymentDate"})},
      {QStringLiteral("_WorkerSumm"), fieldTargets({"WorkerSumm"})},
      {QStringLiteral("_WorkerRUBSumm"), fieldTargets({"WorkerRUBSumm"})},

      {QStringLiteral("SourceManager"),
       removes({"SourceManagerBtn"}) + one("TTransOrderForm", "SourceManagerBtn", RightEffect::ShowWhenAllowed)},
      {QStringLiteral("SourceManagerDelete"), one("TSourceManagerForm", "DeleteBtn", RightEffect::HideWhenDenied)},
      {QStringLiteral("GroupManager"),
       removes({"GroupManagerBtn"}) + one("TClientEditForm", "GroupManagerBtn", RightEffect::ShowWhenAllowed)},
      {QStringLiteral("CommandManager"), removes({"CommandManagerBtn"})},
      {QStringLiteral("TarifManagerBtn"), removes({"TarifManagerBtn"})},
      {QStringLiteral("ExpensesManager"), removes({"ExpensesManager"})},
      {QStringLiteral("CurrencyManagerBtn"), removes({"CurrencyManagerBtn"})},
      {QStringLiteral("FirmManagerBtn"), removes({"FirmManagerBtn"})},
      {QStringLiteral("ClientManager"),
       removes({"ClientManagerBtn"}) + one("TTransOrderForm", "ClientManagerBtn", RightEffect::ShowWhenAllowed)},
      {QStringLiteral("ClientManagerDelete"), one("TClientManagerForm", "DeleteBtn", RightEffect::HideWhenDenied)},
      {QStringLiteral("WorkerManager"),
       removes({"WorkerManagerBtn"}) + one("TTransOrderForm", "WorkerManagerBtn", RightEffect::ShowWhenAllowed)},
      {QStringLiteral("WorkerManagerDelete"), one("TWorkerManagerForm", "DeleteBtn", RightEffect::HideWhenDenied)},
      {QStringLiteral("OrderEditor"), removes({"OrderCreateBtn", "OrderEditBtn", "DublicateBtn"})},
      {QStringLiteral("OrderDelete"), removes({"OrderDeleteBtn"})},
      {QStringLiteral("PaymentEditor"),
       removes({"PaymentBtn"}) + one("TTransOrderForm", "PaymentSheet", RightEffect::ShowWhenAllowed)},
      {QStringLiteral("GoToDone"), one("TTransOrderForm", "GoToDone", RightEffect::DisableWhenDenied)},
      {QStringLiteral("WordReportBtn"), removes({"WordReportBtn"})},
      {QStringLiteral("TotalPriceBtn"), removes({"TotalPriceBtn"})},
      {QStringLiteral("ExcelReportBtn"), removes({"ExcelReportBtn"})},
      {QStringLiteral("StatusManager"),
       removes({"StatusManagerBtn"}) + one("TUserEditForm", "StatusManagerBtn", RightEffect::ShowWhenAllowed)},
      {QStringLiteral("StatusManagerDelete"), one("TStatusManagerForm", "DeleteBtn", RightEffect::HideWhenDenied)},
      {QStringLiteral("UserManager"), removes({"UserManagerBtn", "ProtocolBtn"})},
      {QStringLiteral("UserManagerDelete"), one("TUserManagerForm", "DeleteUserBtn", RightEffect::HideWhenDenied)},
      {QStringLiteral("DBManager"), removes({"DataBaseSubBtn", "DataBasePathBtn", "CompactBaseBtn"})},
  };
  return table;
}

} // namespace

Rights::Rights(QList<PermissionRow> rows) : m_rows(std::move(rows)) {}

const PermissionRow* Rights::lastRow(const QString& key) const {
  for (auto it = m_rows.crbegin(); it != m_rows.crend(); ++it) {
    if (it->key == key)
      return &*it;
  }
  return nullptr;
}

bool Rights::fieldVisible(const QString& key) const {
  const PermissionRow* row = lastRow(key);
  return !row || row->read;
}

bool Rights::fieldEnabled(const QString& key) const {
  const PermissionRow* row = lastRow(key);
  return !row || row->change;
}

bool Rights::commandAllowed(const QString& key) const {
  const PermissionRow* row = lastRow(key);
  return !row || row->change;
}

QList<qint64> Rights::journalUserIds() const {
  QList<qint64> ids;
  for (const PermissionRow& row : m_rows) {
    if (!row.key.startsWith(u'#') || !row.read)
      continue;
    bool ok = false;
    const qint64 id = row.key.mid(1).toLongLong(&ok);
    if (ok)
      ids.append(id);
  }
  return ids;
}

QList<RightTarget> Rights::targetsOf(const QString& key) {
  for (const KeyTargets& entry : catalogue()) {
    if (entry.key == key)
      return entry.targets;
  }
  return {};
}

} // namespace vh
