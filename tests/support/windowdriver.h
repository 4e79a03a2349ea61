#pragma once

#include "support/testdatabase.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

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

inline void type(QWidget* window, const char* name, const QString& text) {
  child<QLineEdit>(window, name)->setText(text);
}

// Drives the next modal dialog to open (the one the test's following click
// shows): action runs on it once it is on screen. A dialog the action left
// open is cancelled, so that a failed check cannot hang the test.
inline void onNextModal(std::function<void(QDialog*)> action) {
  QWidget* const before = QApplication::activeModalWidget();
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, before, action] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || dialog == before)
      return;
    timer->stop();
    timer->deleteLater();
    action(dialog);
    if (dialog->isVisible())
      dialog->reject();
  });
  timer->start();
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
