#pragma once

class QMenu;

namespace vh {

class TMainForm;

// The main window's commands that open directory windows, in the menus
// "Редакторы" and "Управление", in their order there.
void addDirectoryCommands(TMainForm& main, QMenu* editors, QMenu* manage);

} // namespace vh
