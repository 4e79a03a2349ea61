#pragma once

#include <QObject>

namespace vh {

class TFilterForm;
class TMainForm;

// The register's "Фильтр..." and "Удалить фильтр". Owns the filter window,
// created once with the main window, so its criteria last for the run.
class FilterCommands final : public QObject {
  Q_OBJECT

public:
  explicit FilterCommands(TMainForm& main);

  TFilterForm* form() const { return m_form; }

  void FilterBtnClick();
  void DelFilterBtnClick();

private:
  TMainForm& m_main;
  TFilterForm* m_form = nullptr;
};

} // namespace vh
