#pragma once

class QApplication;
class QString;

namespace vh {

// Sets the application up for Russian users: locale, standard button texts, style.
void prepareApplication(QApplication& app);

// The interactive run: reads config.ini in the program's folder, opens the
// database, logs the user in and shows the register. Returns the exit code.
int runProgram(QApplication& app, const QString& programFolder);

} // namespace vh
