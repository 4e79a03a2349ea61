#pragma once

#include "core/directories/pricedentries.h"
#include "gui/directories/entryeditor.h"

#include <memory>
#include <optional>

namespace Ui {
class PricedEntryEditForm;
}

namespace vh {

// What the tariff editor and the expense kind editor show differently.
struct PricedEditorTexts final {
  QString windowClass;   // "TTarifEditForm"
  QString nameField;     // objectName of the name box, "TarifName"
  QString nameLabel;     // "Наименование тарифа:"
  QString gridLabel;     // "Ставка фрахта в разных валютах:"
  QString createCaption; // "Добавление тарифа"
  QString editCaption;   // "Редактирование тарифа"
  QString emptyName;     // "Не задано наименование тарифа."
  PricedTable table;
};

PricedEditorTexts tariffEditorTexts();
PricedEditorTexts expenseEditorTexts();

// The one editor of tariffs and expense kinds: a name and a grid with the
// default amount in every currency. Its objectName is the window class of
// its texts (TTarifEditForm or TExpenseEditForm).
class PricedEntryEditForm final : public EntryEditor {
  Q_OBJECT

public:
  PricedEntryEditForm(AppContext& context, PricedEditorTexts texts, QWidget* parent = nullptr);
  ~PricedEntryEditForm() override;
  // False when no listed entry has this name.
  bool load(const QString& name);
  QString storedName() const;

protected:
  bool save() override;

private:
  void fillGrid(const QList<CurrencyAmount>& amounts);
  // The grid's amounts, or nothing after telling which cell is not an amount.
  std::optional<QList<CurrencyAmount>> readGrid();

  std::unique_ptr<Ui::PricedEntryEditForm> m_ui;
  PricedEditorTexts m_texts;
  PricedEntry m_stored; // the entry being edited, as it was read
};

} // namespace vh
