#include "gui/directories/directories.h"

#include "gui/directories/directorywindow.h"

namespace vh {

void openDirectory(AppContext& context, const DirectoryDescription& description, QWidget* parent) {
  DirectoryWindow window(context, description, parent);
  window.exec();
}

} // namespace vh
