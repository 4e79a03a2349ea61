#include "gui/directories/currencypropertiesform.h"

#include "gui/app/appcontext.h"
#include "gui/directories/directories.h"
#include "gui/directories/directorywindow.h"
#include "gui/directories/namedlistactions.h"

#include "ui_currencypropertiesform.h"

#include <QRegularExpressionValidator>

namespace vh {

TCurrencyPropertiesForm::TCurrencyPropertiesForm(AppContext& context, QWidget* parent) :
    EntryEditor(context, parent), m_ui(std::make_unique<Ui::TCurrencyPropertiesForm>()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TCurrencyPropertiesForm"));
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  m_ui->Code->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z]{0,3}")), m_ui->Code));
  // Codes are written in capitals whatever the keyboard's state.
  connect(m_ui->Code, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int cursor = m_ui->Code->cursorPosition();
    m_ui->Code->setText(text.toUpper());
    m_ui->Code->setCursorPosition(cursor);
  });
  finishSetup(m_ui->Code);
}

TCurrencyPropertiesForm::~TCurrencyPropertiesForm() = default;

bool TCurrencyPropertiesForm::startEdit(const QString& name, bool justAdded) {
  const auto properties = CurrencyRepository(m_context.db()).byName(name);
  if (!succeeded(properties) || !*properties)
    return false;
  // A currency just added has nothing to keep: the code is typed first.
  prepare(justAdded ? Mode::Create : Mode::Edit, QStringLiteral("Свойства валюты"), QStringLiteral("Сохранить"));
  m_stored = **properties;
  m_ui->CurrencyName->setText(m_stored.name);
  m_ui->Code->setText(m_stored.code);

  QComboBox* language = m_ui->Language;
  language->clear();
  language->addItem(QStringLiteral("(не выбран)"), QString());
  for (const QString& file : languageFiles())
    language->addItem(file, file);
  // A file named in the database but not shipped is kept, and shown as missing.
  if (!m_stored.language.isEmpty() && language->findData(m_stored.language) < 0)
    language->addItem(m_stored.language + QStringLiteral(" (файл не найден)"), m_stored.language);
  language->setCurrentIndex(language->findData(m_stored.language));
  return true;
}

bool TCurrencyPropertiesForm::save() {
  CurrencyProperties properties = m_stored;
  properties.code = m_ui->Code->text().toUpper();
  properties.language = m_ui->Language->currentData().toString();
  if (!isCurrencyCode(properties.code)) {
    m_ui->Code->setFocus();
    msg::warning(this, QStringLiteral("Код валюты состоит из трёх латинских букв, например USD. "
                                      "Для рубля код не указывается."));
    return false;
  }
  return succeeded(CurrencyRepository(m_context.db()).setProperties(properties, m_context.journal()));
}

namespace {
void editProperties(DirectoryWindow& window, const QString& name, bool justAdded) {
  TCurrencyPropertiesForm editor(window.context(), &window);
  if (editor.startEdit(name, justAdded))
    editor.exec();
}
} // namespace

DirectoryDescription currenciesDirectory() {
  DirectoryDescription d;
  d.windowClass = QStringLiteral("TCurrencyManagerForm");
  d.caption = QStringLiteral("Валюты");
  d.listName = QStringLiteral("CurrencyList");
  d.listLabel = QStringLiteral("Наименования валют:");
  d.countLabel = QStringLiteral("Всего валют: ");
  d.table = currenciesTable();
  d.createButton = {QStringLiteral("AddBtn"), QStringLiteral("Добавить...")};
  d.editButton.caption = QStringLiteral("Переименовать");
  d.closeButton.name = QStringLiteral("CancelBtn");
  InputBoxTexts texts;
  texts.createCaption = QStringLiteral("Новая валюта");
  texts.createDuplicate = texts.renameDuplicate = QStringLiteral("Валюта с данным наименованием уже существует!");
  texts.createJournal = [](const QString& name) { return QStringLiteral("Добавление валюты ") + name; };
  texts.renameJournal = [](const QString&, const QString& newName) {
    return QStringLiteral("Переименование валюты ") + newName;
  };
  texts.maxLength = 255;
  useInputBox(d, texts);
  // A new currency needs its code and language file before it can get a rate or an invoice.
  d.onCreate = [texts](DirectoryWindow& window) {
    const QString name = createByInputBox(window, texts);
    if (!name.isEmpty())
      editProperties(window, name, true);
  };
  d.extras.append({{QStringLiteral("PropertiesBtn"), QStringLiteral("Свойства...")},
                   [](DirectoryWindow& window, const QString& name) { editProperties(window, name, false); }});
  return d;
}

} // namespace vh
