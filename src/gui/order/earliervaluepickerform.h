#pragma once

#include "core/order/pickers.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace vh {

class AppContext;

// The route, expedition and remark pickers: earlier orders by their creation
// moment, the chosen order's text, and a word search in that field. Route and
// expedition look at the editor's client's orders; remarks at every order.
class EarlierValuePickerForm final : public QDialog {
  Q_OBJECT

public:
  EarlierValuePickerForm(AppContext& context, EarlierField field, QWidget* parent = nullptr);

  // Prepares one opening for the client chosen in the editor. Route and
  // expedition need a client and start afresh with its orders (false: do not
  // open); the remark picker keeps what it showed last.
  bool prepare(const QString& client);
  // The text copied with "Выбрать"; empty when the picker was closed.
  QString chosenText() const { return m_chosen; }

  void FindBtnClick();
  void DatesClick();
  void Button1Click();

protected:
  void showEvent(QShowEvent* event) override;

private:
  void fillDates(const QString& word);

  AppContext& m_context;
  EarlierField m_field;
  QString m_client;
  QListWidget* m_dates = nullptr;
  QPlainTextEdit* m_text = nullptr;
  QLineEdit* m_search = nullptr;
  QString m_chosen;
};

} // namespace vh
