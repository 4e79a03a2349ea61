#include "gui/common/dialogs.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>

namespace vh {

namespace {

class RealInputBox final : public InputBox {
public:
  std::optional<QString> getText(QWidget* parent, const QString& caption, const QString& prompt,
                                 const QString& initial) override {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    dialog.resize(qMax(dialog.sizeHint().width(), 380), dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
      return std::nullopt;
    return dialog.textValue();
  }
};

class RealFileDialogs final : public FileDialogs {
public:
  QString openFile(QWidget* parent, const QString& caption, const QString& filter) override {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
  }
  QString saveFile(QWidget* parent, const QString& caption, const QString& proposedPath,
                   const QString& filter) override {
    return QFileDialog::getSaveFileName(parent, caption, proposedPath, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
  }
};

class RealColorPicker final : public ColorPicker {
public:
  std::optional<QColor> pick(QWidget* parent, const QColor& initial) override {
    const QColor chosen = QColorDialog::getColor(initial, parent, QStringLiteral("Цвет заказа"));
    if (!chosen.isValid())
      return std::nullopt;
    return chosen;
  }
};

class RealDesktop final : public Desktop {
public:
  bool open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

template <typename Interface> Interface*& slot() {
  static Interface* installed = nullptr;
  return installed;
}

} // namespace

InputBox& InputBox::instance() {
  static RealInputBox real;
  return slot<InputBox>() ? *slot<InputBox>() : real;
}
void InputBox::install(InputBox* box) {
  slot<InputBox>() = box;
}

FileDialogs& FileDialogs::instance() {
  static RealFileDialogs real;
  return slot<FileDialogs>() ? *slot<FileDialogs>() : real;
}
void FileDialogs::install(FileDialogs* dialogs) {
  slot<FileDialogs>() = dialogs;
}

ColorPicker& ColorPicker::instance() {
  static RealColorPicker real;
  return slot<ColorPicker>() ? *slot<ColorPicker>() : real;
}
void ColorPicker::install(ColorPicker* picker) {
  slot<ColorPicker>() = picker;
}

Desktop& Desktop::instance() {
  static RealDesktop real;
  return slot<Desktop>() ? *slot<Desktop>() : real;
}
void Desktop::install(Desktop* desktop) {
  slot<Desktop>() = desktop;
}

} // namespace vh
