#pragma once

#include "core/journal/journalrepository.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class TActionsKeeperForm;
}

namespace vh {

class AppContext;
class JournalModel;
class TFilterokForm;

// "Журнал действий": the entries of the users this user may see, newest
// first, with a filter by period and login and each entry's detail.
class TActionsKeeperForm final : public QDialog {
  Q_OBJECT

public:
  TActionsKeeperForm(AppContext& context, QWidget* parent = nullptr);
  ~TActionsKeeperForm() override;

  TFilterokForm* filterForm() const { return m_filterForm; }
  int entryCount() const;

  void FilterBtnClick();
  void DeleteFilterBtnClick();
  void DetailsBtnClick();

private:
  void open();
  void refill();

  std::unique_ptr<Ui::TActionsKeeperForm> m_ui;
  AppContext& m_context;
  JournalRepository m_repository;
  JournalModel* m_model = nullptr;
  TFilterokForm* m_filterForm = nullptr;
  QStringList m_logins;
  std::optional<JournalFilter> m_filter;
};

} // namespace vh
