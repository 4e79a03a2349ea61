#pragma once

#include "gui/common/dialogs.h"
#include "gui/common/messages.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace vh::test {

// A queue of scripted answers that can also be set from a list: answers = {a, b}.
template <typename T> class Answers final : public QQueue<T> {
public:
  Answers() = default;
  Answers(std::initializer_list<T> list) { *this = list; }
  Answers& operator=(std::initializer_list<T> list) {
    this->clear();
    for (const T& value : list)
      this->enqueue(value);
    return *this;
  }
};

// Records every message box instead of showing it and answers from a queue
// (Ok, or the default button, when the queue is empty). Installed for its
// lifetime.
class RecordingMessages final : public MessageBoxes {
public:
  RecordingMessages() { MessageBoxes::install(this); }
  ~RecordingMessages() override { MessageBoxes::install(nullptr); }

  QMessageBox::StandardButton show(QWidget*, const MessageSpec& spec) override {
    shown.append(spec);
    if (onShow)
      onShow(spec);
    if (!answers.isEmpty())
      return answers.dequeue();
    return spec.buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Yes;
  }

  // The texts shown, in order.
  QStringList texts() const {
    QStringList out;
    for (const MessageSpec& spec : shown)
      out.append(spec.text);
    return out;
  }
  const MessageSpec& last() const { return shown.last(); }
  void clear() { shown.clear(); }

  QList<MessageSpec> shown;
  Answers<QMessageBox::StandardButton> answers;
  // Called for each box before it is answered (to look at the window behind it).
  std::function<void(const MessageSpec&)> onShow;
};

// Answers input boxes from a queue; an empty queue (or nullopt) cancels.
class ScriptedInputBox final : public InputBox {
public:
  ScriptedInputBox() { InputBox::install(this); }
  ~ScriptedInputBox() override { InputBox::install(nullptr); }

  std::optional<QString> getText(QWidget*, const QString& caption, const QString& prompt,
                                 const QString& initial) override {
    asked.append({caption, prompt, initial});
    if (answers.isEmpty())
      return std::nullopt;
    return answers.dequeue();
  }

  struct Asked {
    QString caption;
    QString prompt;
    QString initial;
  };
  QList<Asked> asked;
  Answers<std::optional<QString>> answers;
};

// Answers file dialogs with prepared paths; an empty queue cancels.
class ScriptedFileDialogs final : public FileDialogs {
public:
  ScriptedFileDialogs() { FileDialogs::install(this); }
  ~ScriptedFileDialogs() override { FileDialogs::install(nullptr); }

  QString openFile(QWidget*, const QString& caption, const QString&) override {
    captions.append(caption);
    return openAnswers.isEmpty() ? QString() : openAnswers.dequeue();
  }
  QString saveFile(QWidget*, const QString& caption, const QString& proposed, const QString&) override {
    captions.append(caption);
    proposedPaths.append(proposed);
    return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
  }

  QStringList captions;
  QStringList proposedPaths;
  Answers<QString> openAnswers;
  Answers<QString> saveAnswers;
};

class ScriptedColorPicker final : public ColorPicker {
public:
  ScriptedColorPicker() { ColorPicker::install(this); }
  ~ScriptedColorPicker() override { ColorPicker::install(nullptr); }

  std::optional<QColor> pick(QWidget*, const QColor& initial) override {
    offered.append(initial);
    if (answers.isEmpty())
      return std::nullopt;
    return answers.dequeue();
  }

  QList<QColor> offered;
  Answers<std::optional<QColor>> answers;
};

class RecordingDesktop final : public Desktop {
public:
  RecordingDesktop() { Desktop::install(this); }
  ~RecordingDesktop() override { Desktop::install(nullptr); }

  bool open(const QUrl& url) override {
    opened.append(url);
    return true;
  }

  QList<QUrl> opened;
};

} // namespace vh::test
