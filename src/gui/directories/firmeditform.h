#pragma once

#include "core/directories/firms.h"
#include "gui/directories/entryeditor.h"

#include <memory>

namespace Ui {
class TFirmEditForm;
}

namespace vh {

// One of the forwarder's own firms: name, telephones and bank details.
class TFirmEditForm final : public EntryEditor {
  Q_OBJECT

public:
  explicit TFirmEditForm(AppContext& context, QWidget* parent = nullptr);
  ~TFirmEditForm() override;
  // False when no firm has this name.
  bool load(const QString& name);
  QString storedName() const;

protected:
  bool save() override;

private:
  std::unique_ptr<Ui::TFirmEditForm> m_ui;
  Firm m_stored; // the firm being edited, as it was read
};

} // namespace vh
