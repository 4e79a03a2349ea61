#include "gui/common/rightsapplier.h"

#include "core/rights/rights.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabWidget>

namespace vh {

namespace {

// A page of a tab control is shown and hidden through its tab.
void setWidgetVisible(QWidget* widget, bool visible) {
  if (auto* stack = qobject_cast<QStackedWidget*>(widget->parentWidget())) {
    if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) {
      tabs->setTabVisible(tabs->indexOf(widget), visible);
      return;
    }
  }
  widget->setVisible(visible);
  // A field's caption goes with it.
  const auto labels = widget->window()->findChildren<QLabel*>();
  for (QLabel* label : labels) {
    if (label->buddy() == widget)
      label->setVisible(visible);
  }
}

void removeCommand(QObject* object) {
  QAction* action = qobject_cast<QAction*>(object);
  if (auto* menu = qobject_cast<QMenu*>(object))
    action = menu->menuAction();
  if (action) {
    // Hidden and disabled: gone from menus, toolbar and pop-up, shortcut dead.
    action->setVisible(false);
    action->setEnabled(false);
  }
}

void applyTarget(QObject* object, RightEffect effect, const PermissionRow& row) {
  auto* widget = qobject_cast<QWidget*>(object);
  switch (effect) {
  case RightEffect::Field:
    if (widget) {
      setWidgetVisible(widget, row.read);
      widget->setEnabled(row.change);
    }
    break;
  case RightEffect::RemoveCommand:
    if (!row.change)
      removeCommand(object);
    break;
  case RightEffect::ShowWhenAllowed:
    if (widget)
      setWidgetVisible(widget, row.change);
    else if (auto* action = qobject_cast<QAction*>(object))
      action->setVisible(row.change);
    break;
  case RightEffect::HideWhenDenied:
    if (widget && !row.change)
      setWidgetVisible(widget, false);
    break;
  case RightEffect::DisableWhenDenied:
    if (widget && !row.change)
      widget->setEnabled(false);
    break;
  }
}

bool hideIfEmpty(QMenu* menu) {
  bool anyVisible = false;
  const auto actions = menu->actions();
  for (QAction* action : actions) {
    if (action->isSeparator())
      continue;
    if (QMenu* sub = action->menu()) {
      if (!hideIfEmpty(sub))
        anyVisible = true;
    } else if (action->isVisible()) {
      anyVisible = true;
    }
  }
  if (!anyVisible)
    menu->menuAction()->setVisible(false);
  return !anyVisible;
}

} // namespace

void applyRights(QWidget* window, const Rights& rights) {
  const QString windowName = window->objectName();
  for (const PermissionRow& row : rights.rows()) {
    for (const RightTarget& target : Rights::targetsOf(row.key)) {
      if (target.window != windowName)
        continue;
      // The window's own actions and menus are its children too.
      const auto objects = window->findChildren<QObject*>(target.object);
      for (QObject* object : objects)
        applyTarget(object, target.effect, row);
    }
  }
}

void hideEmptyMenus(QMenuBar* menuBar) {
  const auto actions = menuBar->actions();
  for (QAction* action : actions) {
    if (QMenu* menu = action->menu())
      hideIfEmpty(menu);
  }
}

} // namespace vh
