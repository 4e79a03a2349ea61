#include "gui/register/filtercommands.h"

#include "core/register/orderfilter.h"
#include "gui/common/messages.h"
#include "gui/register/filterform.h"
#include "gui/register/mainform.h"

namespace vh {

FilterCommands::FilterCommands(TMainForm& main) : QObject(&main), m_main(main) {
  m_form = new TFilterForm(main.context(), &main);
}

void FilterCommands::FilterBtnClick() {
  const Result<void> refreshed = m_form->refreshLists();
  if (!refreshed) {
    msg::failure(&m_main, refreshed.error());
    return;
  }
  m_form->exec();
  switch (m_form->outcome()) {
  case TFilterForm::Outcome::Applied: m_main.setFilterOn(true); break;
  case TFilterForm::Outcome::Cancelled:
    // The grid keeps its rows until the next reload, which is unfiltered.
    m_main.setFilterOn(false);
    break;
  case TFilterForm::Outcome::Closed: break;
  }
  if (!m_main.filterOn())
    return;
  m_main.setFilter(registerConditions(m_form->criteria()));
  m_main.reloadRegister(true);
}

void FilterCommands::DelFilterBtnClick() {
  m_main.setFilterOn(false);
  m_main.reloadRegister(false);
}

} // namespace vh
