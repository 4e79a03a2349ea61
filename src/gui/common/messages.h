#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace vh {

struct Error;

// A message box as the user sees it: icon, caption, text and buttons.
struct MessageSpec final {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString caption;
  QString text;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Every message box of the program goes through this seam, so that tests can
// read what was shown and answer it without a modal loop.
class MessageBoxes {
public:
  virtual ~MessageBoxes() = default;
  virtual QMessageBox::StandardButton show(QWidget* parent, const MessageSpec& spec) = 0;

  static MessageBoxes& instance();
  // Tests only: replace the seam; nullptr restores the real boxes.
  static void install(MessageBoxes* boxes);
};

// The kinds of message the program shows.
namespace msg {

extern const QString kAppTitle; // "Verholm International"

// Caption "Ошибка", error icon, OK.
void error(QWidget* parent, const QString& text);
// Caption "Сообщение" unless given, warning icon, OK.
void warning(QWidget* parent, const QString& text, const QString& caption = QStringLiteral("Сообщение"));
// Caption "Сообщение" unless given, information icon, OK.
void information(QWidget* parent, const QString& text, const QString& caption = QStringLiteral("Сообщение"));
// Question icon, Yes and No; true on Yes.
bool confirm(QWidget* parent, const QString& text, const QString& caption);
// The application title as caption, no icon, OK.
void plain(QWidget* parent, const QString& text);
// The one application-wide box for failures: the engine's own text.
void failure(QWidget* parent, const Error& error);

} // namespace msg

} // namespace vh
