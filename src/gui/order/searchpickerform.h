#pragma once

#include "core/order/pickers.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace vh {

class AppContext;

// The client and carrier search pickers: one window, two kinds. The user
// looks a text up in one of three fields, optionally within a group (clients)
// or a vehicle type (carriers), and chooses one of the names found.
class SearchPickerForm final : public QDialog {
  Q_OBJECT

public:
  enum class Kind { Client, Carrier };

  SearchPickerForm(AppContext& context, Kind kind, QWidget* parent = nullptr);

  // The name chosen with "Выбрать" or a double click; empty when the picker was closed.
  QString chosen() const { return m_chosen; }

  void FindBtnClick();
  void SelectBtnClick();

protected:
  void showEvent(QShowEvent* event) override;

private:
  AppContext& m_context;
  Kind m_kind;
  QComboBox* m_group = nullptr;
  QButtonGroup* m_field = nullptr;
  QLineEdit* m_search = nullptr;
  QListWidget* m_results = nullptr;
  QString m_chosen;
};

} // namespace vh
