#include "gui/directories/personeditform.h"

#include "gui/app/appcontext.h"
#include "gui/directories/requiredmark.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vh {

PersonEditForm::PersonEditForm(AppContext& context, PersonEditorTexts texts, qint64 ownerId, QWidget* parent) :
    EntryEditor(context, parent), m_texts(std::move(texts)), m_ownerId(ownerId) {
  setObjectName(m_texts.windowClass);

  m_name = new QLineEdit(this);
  m_name->setObjectName(m_texts.nameField);
  m_name->setMaxLength(m_texts.nameLength);
  m_phone = new QLineEdit(this);
  m_phone->setObjectName(m_texts.phoneField);
  if (m_texts.phoneLength > 0)
    m_phone->setMaxLength(m_texts.phoneLength);

  auto* nameLabel = new QLabel(QStringLiteral("ФИО:"), this);
  nameLabel->setBuddy(m_name);
  auto* phoneLabel = new QLabel(QStringLiteral("Телефон:"), this);
  phoneLabel->setBuddy(m_phone);

  auto* fields = new QGridLayout;
  fields->addWidget(nameLabel, 0, 0);
  fields->addWidget(m_name, 0, 1);
  fields->addWidget(requiredMark(this), 0, 2);
  fields->addWidget(phoneLabel, 1, 0);
  fields->addWidget(m_phone, 1, 1);
  fields->setColumnMinimumWidth(1, 300);
  fields->setColumnStretch(1, 1);

  auto* ok = new QPushButton(this);
  ok->setObjectName(QStringLiteral("OKBtn"));
  auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(m_name, m_phone);
  setTabOrder(m_phone, ok);
  setTabOrder(ok, cancel);
  finishSetup(m_name);
}

bool PersonEditForm::load(qint64 personId) {
  const auto person = PersonRepository(m_context.db(), m_texts.table).find(personId);
  if (!succeeded(person) || !*person)
    return false;
  m_id = (*person)->id;
  m_name->setText((*person)->name);
  m_phone->setText((*person)->phone);
  return true;
}

QString PersonEditForm::name() const {
  return m_name->text();
}

bool PersonEditForm::save() {
  if (!requireFilled({m_name}, m_texts.emptyName))
    return false;
  const PersonEntry person{m_id, m_name->text(), m_phone->text()};
  PersonRepository persons(m_context.db(), m_texts.table);
  const auto taken = persons.nameTaken(m_ownerId, person.name, m_id);
  if (!succeeded(taken))
    return false;
  if (*taken) {
    MessageBoxes::instance().show(this, {m_texts.duplicateIcon, QStringLiteral("Сообщение"), m_texts.duplicate});
    return false;
  }
  if (mode() == Mode::Create) {
    const auto id = persons.insert(m_ownerId, person, m_context.journal(), m_texts.createJournal(person.name));
    if (!succeeded(id))
      return false;
    m_id = *id;
    return true;
  }
  return succeeded(persons.update(person, m_context.journal(), m_texts.editJournal(person.name)));
}

} // namespace vh
