#include "gui/common/messages.h"

#include "core/common/result.h"

#include <QApplication>

namespace vh {

namespace {

class RealMessageBoxes final : public MessageBoxes {
public:
  QMessageBox::StandardButton show(QWidget* parent, const MessageSpec& spec) override {
    QMessageBox box(spec.icon, spec.caption, spec.text, spec.buttons, parent);
    if (spec.defaultButton != QMessageBox::NoButton)
      box.setDefaultButton(spec.defaultButton);
    return QMessageBox::StandardButton(box.exec());
  }
};

MessageBoxes*& installed() {
  static MessageBoxes* boxes = nullptr;
  return boxes;
}

} // namespace

MessageBoxes& MessageBoxes::instance() {
  static RealMessageBoxes real;
  return installed() ? *installed() : real;
}

void MessageBoxes::install(MessageBoxes* boxes) {
  installed() = boxes;
}

namespace msg {

const QString kAppTitle = QStringLiteral("Verholm International");

void error(QWidget* parent, const QString& text) {
  MessageBoxes::instance().show(parent, {QMessageBox::Critical, QStringLiteral("Ошибка"), text});
}

void warning(QWidget* parent, const QString& text, const QString& caption) {
  MessageBoxes::instance().show(parent, {QMessageBox::Warning, caption, text});
}

void information(QWidget* parent, const QString& text, const QString& caption) {
  MessageBoxes::instance().show(parent, {QMessageBox::Information, caption, text});
}

bool confirm(QWidget* parent, const QString& text, const QString& caption) {
  return MessageBoxes::instance().show(
             parent, {QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No}) ==
         QMessageBox::Yes;
}

void plain(QWidget* parent, const QString& text) {
  MessageBoxes::instance().show(parent, {QMessageBox::NoIcon, kAppTitle, text});
}

void failure(QWidget* parent, const Error& error) {
  MessageBoxes::instance().show(parent, {QMessageBox::Critical, QStringLiteral("Ошибка"), error.text});
}

} // namespace msg

} // namespace vh
