#pragma once

#include "core/common/result.h"
#include "core/register/orderfilter.h"

#include <QDialog>

#include <memory>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;

namespace Ui {
class TFilterForm;
}

namespace vh {

class AppContext;

// The order filter: the criteria on five pages, each applying when its box is
// ticked. Created once per run, so the criteria persist between openings.
class TFilterForm final : public QDialog {
  Q_OBJECT

public:
  // How the window was closed: "Применить", "Отмена" (or Esc), or the title
  // bar's close button, which leaves the filter state as it was.
  enum class Outcome { Applied, Cancelled, Closed };

  explicit TFilterForm(AppContext& context, QWidget* parent = nullptr);
  ~TFilterForm() override;

  // Refills the pick lists, keeping each choice and typed text as it was.
  Result<void> refreshLists();
  OrderFilter criteria() const;
  Outcome outcome() const { return m_outcome; }

  void reject() override;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void ApplyBtnClick();
  void CancelBtnClick();
  void DefaultBtnClick();
  void SourceChange();
  Result<void> fillSpecCombo();
  QList<QLineEdit*> numberBoxes() const;
  QList<QDateEdit*> dateBoxes() const;
  QList<QComboBox*> typedLists() const;
  // Number boxes 0, both periods today from 00:00:00 to 23:59:59.
  void resetBoxes();

  std::unique_ptr<Ui::TFilterForm> m_ui;
  AppContext& m_context;
  // Each criterion's box with the controls it governs.
  std::vector<std::pair<QCheckBox*, QList<QWidget*>>> m_criteria;
  Outcome m_outcome = Outcome::Closed;
  bool m_closing = false;
};

} // namespace vh
