#include "gui/directories/entryeditor.h"

#include "gui/app/appcontext.h"
#include "gui/common/rightsapplier.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace vh {

namespace {
bool isEmpty(const QWidget* field) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(field))
    return edit->text().isEmpty();
  if (const auto* text = qobject_cast<const QPlainTextEdit*>(field))
    return text->toPlainText().isEmpty();
  if (const auto* rich = qobject_cast<const QTextEdit*>(field))
    return rich->toPlainText().isEmpty();
  if (const auto* combo = qobject_cast<const QComboBox*>(field))
    return combo->currentIndex() < 0 || combo->currentText().isEmpty();
  if (const auto* list = qobject_cast<const QListWidget*>(field))
    return list->count() == 0;
  return false;
}
} // namespace

EntryEditor::EntryEditor(AppContext& context, QWidget* parent) : QDialog(parent), m_context(context) {}

void EntryEditor::prepare(Mode mode, const QString& caption, const QString& okCaption) {
  m_mode = mode;
  setWindowTitle(caption);
  if (m_okButton)
    m_okButton->setText(okCaption);
}

void EntryEditor::finishSetup(QWidget* firstField) {
  m_firstField = firstField;
  m_okButton = findChild<QPushButton*>(QStringLiteral("OKBtn"));
  auto* cancel = findChild<QPushButton*>(QStringLiteral("CancelBtn"));
  Q_ASSERT(m_okButton && cancel);
  m_okButton->setDefault(true);
  connect(m_okButton, &QPushButton::clicked, this, &EntryEditor::OKBtnClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  applyRights(this, m_context.session().rights);
}

bool EntryEditor::requireFilled(const QList<QWidget*>& fields, const QString& message) {
  for (QWidget* field : fields) {
    if (isEmpty(field)) {
      msg::warning(this, message);
      return false;
    }
  }
  return true;
}

void EntryEditor::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_mode == Mode::Create && m_firstField)
    m_firstField->setFocus();
  else if (m_okButton)
    m_okButton->setFocus();
}

void EntryEditor::OKBtnClick() {
  if (save())
    accept();
}

} // namespace vh
