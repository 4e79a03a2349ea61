#pragma once

#include "gui/directories/entryeditor.h"

#include <memory>

namespace Ui {
class TAutoTypeEditForm;
}

namespace vh {

// The vehicle type editor: a name and the two durations the order editor adds
// to an order, entered as hours and minutes and stored in minutes.
class TAutoTypeEditForm final : public EntryEditor {
  Q_OBJECT

public:
  explicit TAutoTypeEditForm(AppContext& context, QWidget* parent = nullptr);
  ~TAutoTypeEditForm() override;
  // False when no type has this name.
  bool load(const QString& name);
  QString storedName() const;

protected:
  bool save() override;

private:
  std::unique_ptr<Ui::TAutoTypeEditForm> m_ui;
  qint64 m_id = 0;
};

} // namespace vh
