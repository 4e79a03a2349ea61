#pragma once

#include "gui/directories/directorywindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace vh::test {

// Presses the button of this objectName; fails the test when there is none.
inline void click(QWidget* window, const char* name) {
  auto* button = window->findChild<QAbstractButton*>(QLatin1String(name));
  QVERIFY2(button, name);
  button->click();
}

// Makes the name the current entry of a directory window's list.
inline void selectEntry(DirectoryWindow& window, const QString& name) {
  auto* list = window.findChild<QListWidget*>(window.description().listName);
  const auto items = list->findItems(name, Qt::MatchExactly);
  QVERIFY2(!items.isEmpty(), qPrintable(name));
  list->setCurrentItem(items.first());
}

// Answers the next modal dialog once its exec() has shown it: answer fills it
// and presses its buttons. A dialog the answer leaves open is rejected, so a
// refused OK fails the test's checks instead of hanging it.
class NextModal final {
public:
  explicit NextModal(std::function<void(QDialog*)> answer) : m_answer(std::move(answer)) {
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible())
        return;
      m_timer.stop();
      m_name = dialog->objectName();
      m_answer(dialog);
      if (dialog->isVisible()) {
        m_leftOpen = true;
        dialog->reject();
      }
    });
    m_timer.start();
  }

  // The objectName of the dialog answered; empty when none was shown.
  QString dialogName() const { return m_name; }
  bool leftOpen() const { return m_leftOpen; }

private:
  std::function<void(QDialog*)> m_answer;
  QTimer m_timer;
  QString m_name;
  bool m_leftOpen = false;
};

} // namespace vh::test
