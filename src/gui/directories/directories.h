#pragma once

#include "gui/directories/directorydescription.h"

class QWidget;

namespace vh {

class AppContext;

// The descriptions of the directory windows, one function each, defined in
// the file of their area. A window is made from its description.
DirectoryDescription clientsDirectory();
DirectoryDescription clientGroupsDirectory();
DirectoryDescription carriersDirectory();
DirectoryDescription orderSourcesDirectory();
DirectoryDescription advertsDirectory();
DirectoryDescription vehicleTypesDirectory();
DirectoryDescription dispatchersDirectory();
DirectoryDescription tariffsDirectory();
DirectoryDescription expenseKindsDirectory();
DirectoryDescription currenciesDirectory();
DirectoryDescription firmsDirectory();
// Defined in src/gui/rights/.
DirectoryDescription statusesDirectory();
DirectoryDescription usersDirectory();

// Shows a directory window modally; returns when the user closed it.
void openDirectory(AppContext& context, const DirectoryDescription& description, QWidget* parent);

} // namespace vh
