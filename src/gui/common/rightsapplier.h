#pragma once

class QWidget;
class QMenuBar;

namespace vh {

class Rights;

// Applies the user's rights to one window by the objectNames of its controls
// and commands; the window's objectName is its class name ("TMainForm").
// Rows are applied in order, so the later of two rows governing one control
// decides.
void applyRights(QWidget* window, const Rights& rights);

// Hides every submenu (and top-level menu) left without a visible command.
void hideEmptyMenus(QMenuBar* menuBar);

} // namespace vh
