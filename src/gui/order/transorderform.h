#pragma once

#include "core/order/orderdata.h"
#include "core/order/orderlookups.h"
#include "core/order/orderrepository.h"

#include <QDialog>
#include <QSet>

#include <memory>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLineEdit;
class QWidget;

namespace Ui {
class TTransOrderForm;
}

namespace vh {

class AppContext;
class EarlierValuePickerForm;
class ExpenseGrid;

// The order editor: the one window in which an order is created, changed,
// duplicated or marked as paid. The register prepares it (a new order) or
// loads a stored order into it, shows it modally, and reloads when it closes.
// The window saves the order itself and closes only after a successful save.
class TTransOrderForm final : public QDialog {
  Q_OBJECT

public:
  // How a stored order is opened.
  enum class Opening { Edit, Duplicate, Payment };

  explicit TTransOrderForm(AppContext& context, QWidget* parent = nullptr);
  ~TTransOrderForm() override;

  // Empties the window for a new order and fills its lists afresh. False,
  // with the error shown, when the directories could not be read.
  bool prepareNewOrder();
  // Fills the window with a stored order. False, with a message shown, when
  // the order no longer exists or could not be read.
  bool loadOrder(qint64 orderId, Opening opening);

  // Saving inserts a new order (a new or duplicated one) rather than updating.
  bool insertsOnSave() const { return m_insert; }
  // The order loaded last, or the one the last save stored.
  qint64 orderId() const { return m_orderId; }
  int totalMinutes() const { return m_totalMinutes; }

  // The order as the window holds it, as it would be saved.
  OrderInput collectInput() const;

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // The controls of one side of the payment, the client's or the carrier's.
  struct PaymentSide {
    QCheckBox* paid;
    QDoubleSpinBox* sum;
    QWidget* datePanel;
    QDateEdit* date;
    QDoubleSpinBox* roubles;
  };

  void setupControls();
  void connectControls();
  // Runs fn; an engine error is shown and false returned.
  template <typename Fn> bool guarded(Fn&& fn);

  void setOpening(const QString& caption, const QString& okCaption, bool insert, QWidget* page);
  void resetPaymentPage();
  void fillPaymentLists();
  void setCurrencySuffix(const QString& currency);
  void setSpecBlocked(bool blocked);
  void setVehicleTypeTimes(const VehicleTypeTimes& times);
  void takeSnapshot();
  void updateFileButtons();

  // Look-up cascade.
  void ClientNameChange();
  void ClientFaceComboChange();
  void AutoTypeChange();
  void StartDateChange(bool startDateChanged);
  void WorkerNameChange();
  void AutoComboChange();
  void DriverComboChange();
  void WorkerManagerComboChange();
  void OrderSourceComboChange();
  void RecalcTotalTime();

  // Money page.
  void CurrencyTypeChange();
  void TarifChange();
  void GridCheckBoxClick(int row, bool ticked);
  void RecalcOrderSum();
  void RecalcProfit();
  void updateDebt();
  void PaymentClick(const PaymentSide& side, bool copyOrderSum);
  void UpdateRubSum(const PaymentSide& side);

  // Pickers.
  void SearchClientBtnClick();
  void SearchWorkerBtnClick();
  void SelectRouteBtnClick();
  void ExpeditionSearchBtnClick();
  void CommentSearchBtnClick();

  // Directory entries added without leaving the editor.
  void AddClientBtnClick();
  void AddClientFaceBtnClick();
  void AddWorkerBtnClick();
  void AddAutoBtnClick();
  void AddDriverBtnClick();
  void ClientManagerBtnClick();
  void WorkerManagerBtnClick();
  void SourceManagerBtnClick();
  // Refills a list from the directory and selects the entry by its text,
  // without running the list's change handler.
  void refill(QComboBox* combo, const QStringList& items, bool sorted, const QString& select = {});

  // Attachments.
  void AddFileBtnClick();
  void DelFileBtnClick();
  void OpenFileBtnClick();
  void SaveFileBtnClick();

  // Saving.
  void OKBtnClick();
  bool checkComplete();

  AppContext& m_context;
  std::unique_ptr<Ui::TTransOrderForm> m_ui;
  OrderLookups m_lookups;
  OrderRepository m_repository;
  ExpenseGrid* m_grid = nullptr;
  PaymentSide m_client{};
  PaymentSide m_worker{};
  // The fields with earlier values, in CompletedField order, and those whose
  // list is read when they are next entered.
  QList<QLineEdit*> m_completed;
  QSet<QLineEdit*> m_staleCompletions;

  bool m_insert = true;
  bool m_newOrder = true;
  qint64 m_orderId = 0;
  int m_totalMinutes = 0;
  int m_minimumMinutes = 0;
  int m_deliveryMinutes = 0;
  bool m_extraShown = false;
  // Set while the window is filled, so that no handler recomputes or cascades.
  bool m_filling = false;
  // The tracked fields as the order was opened; the journal lists what differs.
  QStringList m_snapshot;
  // The remark picker keeps what it showed last between openings.
  std::unique_ptr<EarlierValuePickerForm> m_remarkPicker;
};

} // namespace vh
