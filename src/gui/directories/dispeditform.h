#pragma once

#include "gui/directories/entryeditor.h"

#include <memory>

namespace Ui {
class TDispEditForm;
}

namespace vh {

// The dispatcher editor: full name and contact information, both required.
class TDispEditForm final : public EntryEditor {
  Q_OBJECT

public:
  explicit TDispEditForm(AppContext& context, QWidget* parent = nullptr);
  ~TDispEditForm() override;
  // False when no dispatcher has this name.
  bool load(const QString& name);
  QString storedName() const;

protected:
  bool save() override;

private:
  std::unique_ptr<Ui::TDispEditForm> m_ui;
  qint64 m_id = 0;
};

} // namespace vh
