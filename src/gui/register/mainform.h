#pragma once

#include "core/register/registerrepository.h"
#include "core/register/viewsettings.h"

#include <QMainWindow>

#include <optional>

class QLabel;
class QMenu;
class QToolBar;

namespace vh {

class AppContext;
class FilterCommands;
class FindDialog;
class OrderCommands;
class RegisterModel;
class RegisterSortProxy;
class RegisterView;
struct FindRequest;

// The order register: menus, toolbar and pop-up menu sharing one set of
// commands, the grid of orders, and the status bar counters. Created after a
// successful login with the user's rights and view settings.
class TMainForm final : public QMainWindow {
  Q_OBJECT

public:
  TMainForm(AppContext& context, const ViewSettings& view, QWidget* parent = nullptr);
  ~TMainForm() override;

  // Refills the grid from the active orders or, filtered, from the filter's
  // conditions; keeps the selected order selected when it is still listed.
  void reloadRegister(bool filtered);
  // "Обновить": reload with the filter state as it is.
  void refresh() { reloadRegister(filterOn()); }

  // The filter: conditions to reload with, and whether they apply.
  bool filterOn() const { return m_filterOn; }
  void setFilter(const RegisterConditions& conditions) { m_filter = conditions; }
  void setFilterOn(bool on) { m_filterOn = on; }

  // The order in the current row, if any.
  std::optional<qint64> selectedOrder() const;
  // The orders of the selected rows, in grid order.
  QList<qint64> selectedOrders() const;
  void selectOrder(qint64 id);
  void removeOrderRow(qint64 id);

  const ViewSettings& viewSettings() const { return m_view; }
  AppContext& context() { return m_context; }
  RegisterView* grid() const { return m_grid; }
  RegisterModel* registerModel() const { return m_model; }
  // The text of a status bar panel, 1 to 5.
  QString statusText(int panel) const;

  // A command of the window: a QAction named name, in menu (if any), with its
  // shortcut working wherever the command is shown.
  QAction* addCommand(QMenu* menu, const char* name, const QString& caption, const QString& icon = {},
                      const QKeySequence& shortcut = {});

  // Writes the user's view settings; closing the window does it too.
  Result<void> saveSettings();
  // Runs one search of the find dialog; exposed for tests.
  bool findNext(const FindRequest& request);

protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void createCommands();
  void createViewMenu(QMenu* menu);
  void buildToolbarAndPopup();
  void createStatusBar();
  void applyColumnLayout();
  void applyStartColumnRight();
  void updateVisibleCount();
  void updateSelectedCount();
  void setFilterPanel(bool filtered, int count);
  void ColumnItemClick(int column, bool checked);
  void ShowColsAllBtnClick();
  void AutosizeByContentClick();
  void AutosizeByWindowClick();
  void BandsShowBtnClick(bool checked);
  void FindBtnClick();
  void ProtocolBtnClick();
  void headerClicked(int column);
  void sectionResized(int column, int oldSize, int newSize);

  AppContext& m_context;
  ViewSettings m_view;
  OrderCommands* m_orders = nullptr;
  RegisterModel* m_model = nullptr;
  RegisterSortProxy* m_proxy = nullptr;
  RegisterView* m_grid = nullptr;
  QToolBar* m_toolbar = nullptr;
  QMenu* m_gridMenu = nullptr;
  QMenu* m_columnsMenu = nullptr;
  QList<QAction*> m_columnItems;
  QLabel* m_panels[5] = {};
  QLabel* m_filterIcon = nullptr;
  FindDialog* m_findDialog = nullptr;
  FilterCommands* m_filterCommands = nullptr;
  // The last match of the find command, in view row and visual column.
  int m_findRow = -1;
  int m_findColumn = -1;

  RegisterConditions m_filter;
  bool m_filterOn = false;
  // Set while the program itself sizes or hides columns, so that only the
  // user's own dragging changes the stored widths.
  bool m_layingOut = false;
  bool m_headerPressed = false;
};

} // namespace vh
