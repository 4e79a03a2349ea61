#pragma once

#include "core/journal/journalrepository.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TFilterokForm;
}

namespace vh {

// The journal's filter: a period of days and, optionally, a login.
class TFilterokForm final : public QDialog {
  Q_OBJECT

public:
  explicit TFilterokForm(QWidget* parent = nullptr);
  ~TFilterokForm() override;

  // Resets the window for a new opening of the journal.
  void reset(const QDate& begin, const QDate& end, const QStringList& logins);
  JournalFilter filter() const;

protected:
  void showEvent(QShowEvent* event) override;

private:
  std::unique_ptr<Ui::TFilterokForm> m_ui;
};

} // namespace vh
