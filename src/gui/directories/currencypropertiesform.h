#pragma once

#include "core/directories/currencies.h"
#include "gui/directories/entryeditor.h"

#include <memory>

namespace Ui {
class TCurrencyPropertiesForm;
}

namespace vh {

// A currency's letter code for the daily rates and its language file for
// amounts in words; the name itself is changed through the input box.
class TCurrencyPropertiesForm final : public EntryEditor {
  Q_OBJECT

public:
  explicit TCurrencyPropertiesForm(AppContext& context, QWidget* parent = nullptr);
  ~TCurrencyPropertiesForm() override;

  // False when no currency has this name. justAdded: the currency was created a moment ago.
  bool startEdit(const QString& name, bool justAdded = false);

protected:
  bool save() override;

private:
  std::unique_ptr<Ui::TCurrencyPropertiesForm> m_ui;
  CurrencyProperties m_stored;
};

} // namespace vh
