#pragma once

#include <QColor>
#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

namespace vh {

// The platform dialogs and services the windows use, each behind a small
// interface so that tests script the answers instead of driving modal loops.

// The one-line input box ("OK" and "Отмена").
class InputBox {
public:
  virtual ~InputBox() = default;
  // The typed text, or nothing when cancelled.
  virtual std::optional<QString> getText(QWidget* parent, const QString& caption, const QString& prompt,
                                         const QString& initial) = 0;
  static InputBox& instance();
  static void install(InputBox* box);
};

class FileDialogs {
public:
  virtual ~FileDialogs() = default;
  // The chosen file, or an empty text when cancelled.
  virtual QString openFile(QWidget* parent, const QString& caption, const QString& filter) = 0;
  virtual QString saveFile(QWidget* parent, const QString& caption, const QString& proposedPath,
                           const QString& filter) = 0;
  static FileDialogs& instance();
  static void install(FileDialogs* dialogs);
};

class ColorPicker {
public:
  virtual ~ColorPicker() = default;
  virtual std::optional<QColor> pick(QWidget* parent, const QColor& initial) = 0;
  static ColorPicker& instance();
  static void install(ColorPicker* picker);
};

// Opening a file, a web address or a mail link with the desktop's application.
class Desktop {
public:
  virtual ~Desktop() = default;
  virtual bool open(const QUrl& url) = 0;
  static Desktop& instance();
  static void install(Desktop* desktop);
};

} // namespace vh
