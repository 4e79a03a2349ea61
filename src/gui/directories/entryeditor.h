#pragma once

#include "core/common/result.h"
#include "gui/common/messages.h"

#include <QDialog>
#include <QList>

class QPushButton;

namespace vh {

class AppContext;

// What every entry editor shares: the mode set by the opener with the
// window's and the OK button's captions, focus on the first field when
// creating and on OK when editing, Esc cancels, and OK saves through save().
// A derived editor builds its controls (with OKBtn and CancelBtn among them),
// then calls finishSetup().
class EntryEditor : public QDialog {
  Q_OBJECT

public:
  enum class Mode { Create, Edit };

  Mode mode() const { return m_mode; }
  // The opener's settings for one opening.
  void prepare(Mode mode, const QString& caption, const QString& okCaption);

protected:
  EntryEditor(AppContext& context, QWidget* parent);

  // Wires OKBtn and CancelBtn and applies the user's rights to the editor.
  void finishSetup(QWidget* firstField);
  // Stores the entry; false keeps the dialog open (the editor has said why).
  virtual bool save() = 0;

  // False, after the warning, when one of the fields is empty (text boxes
  // without characters, lists without a choice or without entries).
  bool requireFilled(const QList<QWidget*>& fields, const QString& message);
  // False, after the failure box, for an error.
  template <typename T> bool succeeded(const Result<T>& result) {
    if (!result)
      msg::failure(this, result.error());
    return result.ok();
  }

  void showEvent(QShowEvent* event) override;

  AppContext& m_context;

private:
  void OKBtnClick();

  Mode m_mode = Mode::Create;
  QWidget* m_firstField = nullptr;
  QPushButton* m_okButton = nullptr;
};

} // namespace vh
