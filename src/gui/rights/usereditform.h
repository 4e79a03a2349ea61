#pragma once

#include "core/common/colortext.h"
#include "gui/directories/entryeditor.h"

#include <memory>

namespace Ui {
class TUserEditForm;
}

namespace vh {

// A user: full name, login, password, permission status and order colour.
// The stored password is never shown: editing leaves the password box empty,
// and it replaces the stored one only when something is typed. The login
// cannot change once the user exists.
class TUserEditForm final : public EntryEditor {
  Q_OBJECT

public:
  explicit TUserEditForm(AppContext& context, QWidget* parent = nullptr);
  ~TUserEditForm() override;

  // Edit mode: reads the user; false when the user no longer exists, or on a
  // failure (already shown). A user whose status was deleted opens with no
  // status chosen, so that a new one can be given.
  bool load(const QString& fullName);

  // The user's full name as last stored; empty while nothing is stored.
  QString storedName() const { return m_storedName; }
  OrderColor orderColor() const { return m_color; }

protected:
  bool save() override;

private:
  void reloadStatuses();
  void StatusManagerBtnClick();
  void OrderColorClick();
  void showColor();

  std::unique_ptr<Ui::TUserEditForm> m_ui;
  qint64 m_id = 0; // 0 until the user is stored
  QString m_storedName;
  OrderColor m_color; // white until chosen
};

} // namespace vh
