#pragma once

#include "core/rights/loginservice.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class TLoginForm;
}

namespace vh {

class Database;

// The first window of a run: checks the login and password and, on success,
// holds what the run needs to know about the user.
class TLoginForm final : public QDialog {
  Q_OBJECT

public:
  explicit TLoginForm(Database& db, QWidget* parent = nullptr);
  ~TLoginForm() override;

  // Set after a successful login (the dialog is then accepted).
  const std::optional<LoginOutcome>& outcome() const { return m_outcome; }

  // The login last used successfully on this computer ("Administrator" at first).
  static QString rememberedLogin();

protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  void OKBtnClick();

  std::unique_ptr<Ui::TLoginForm> m_ui;
  Database& m_db;
  std::optional<LoginOutcome> m_outcome;
};

} // namespace vh
