#pragma once

#include "gui/directories/directorywindow.h"
#include "support/testdatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// Small helpers for driving windows through their controls.
namespace vh::test {

// The window's control of that objectName; a missing one ends the test run
// at once, naming it.
template <typename T = QPushButton> T* child(QWidget* window, const char* name) {
  auto* found = window->findChild<T*>(QLatin1String(name));
  if (!found)
    qFatal("no control %s in %s", name, qPrintable(window->objectName()));
  return found;
}

// Presses the button of this objectName.
inline void click(QWidget* window, const char* name) {
  child<QAbstractButton>(window, name)->click();
}

inline void type(QWidget* window, const char* name, const QString& text) {
  child<QLineEdit>(window, name)->setText(text);
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
    m_before = QApplication::activeModalWidget();
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog || dialog == m_before || !dialog->isVisible())
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
  QWidget* m_before = nullptr;
  QString m_name;
  bool m_leftOpen = false;
};

// The same without an object to keep: for a dialog that opens inside another
// one's answer. The helper removes itself once it has answered.
inline void onNextModal(std::function<void(QDialog*)> action) {
  auto self = std::make_shared<NextModal*>(nullptr);
  *self = new NextModal([self, action](QDialog* dialog) {
    action(dialog);
    QTimer::singleShot(0, [self] { delete *self; });
  });
}

// The journal's actions written after its first mark rows.
inline QStringList actionsSince(TestDatabase& data, qint64 mark) {
  QStringList out;
  const qint64 total = data.count(QStringLiteral("Протокол"));
  for (qint64 offset = mark; offset < total; ++offset) {
    out.append(data.scalar(QStringLiteral("SELECT Действие FROM Протокол ORDER BY ID LIMIT 1 OFFSET :o"),
                           {{QStringLiteral("o"), offset}})
                   .toString());
  }
  return out;
}

inline QString lastAction(TestDatabase& data) {
  return data.scalar(QStringLiteral("SELECT Действие FROM Протокол ORDER BY ID DESC LIMIT 1")).toString();
}

} // namespace vh::test
