#pragma once

class QApplication;

namespace vh {

// Sets the application up for Russian users: locale, standard button texts, style.
void prepareApplication(QApplication& app);

// The interactive run: finds and opens the database, logs the user in and
// shows the register. Returns the process exit code.
int runProgram(QApplication& app);

} // namespace vh
