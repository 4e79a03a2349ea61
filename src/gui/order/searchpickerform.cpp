#include "gui/order/searchpickerform.h"

#include "gui/app/appcontext.h"
#include "gui/common/messages.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vh {

namespace {

const QString kAllGroups = QStringLiteral("(все группы)");

struct KindTexts {
  const char* windowClass;
  const char* caption;
  const char* groupName;
  const char* groupLabel;
  const char* fields[3];
  const char* notFound;
};

const KindTexts& textsOf(SearchPickerForm::Kind kind) {
  static const KindTexts client{"TClientSearchForm",
                                "Поиск Клиента",
                                "ClientGroup",
                                "Укажите группу:",
                                {"ФИО", "Организация", "Контактная информация"},
                                "Не найдено ни одного Клиента, который бы удовлетворял заданным критериям поиска."};
  static const KindTexts carrier{
      "TWorkerSearchForm",
      "Поиск Исполнителя",
      "WorkerGroup",
      "Укажите тип ТС:",
      {"Исполнитель", "Автомобиль (марка, номер)", "Водитель"},
      "Не найдено ни одного Исполнителя, который бы удовлетворял заданным критериям поиска."};
  return kind == SearchPickerForm::Kind::Client ? client : carrier;
}

} // namespace

SearchPickerForm::SearchPickerForm(AppContext& context, Kind kind, QWidget* parent) :
    QDialog(parent), m_context(context), m_kind(kind) {
  const KindTexts& texts = textsOf(kind);
  setObjectName(QString::fromLatin1(texts.windowClass));
  setWindowTitle(QString::fromUtf8(texts.caption));

  m_group = new QComboBox(this);
  m_group->setObjectName(QString::fromLatin1(texts.groupName));
  m_group->setMinimumWidth(260);
  auto* fieldBox = new QGroupBox(QStringLiteral(" Поле поиска "), this);
  fieldBox->setObjectName(QStringLiteral("SearchField"));
  auto* fieldLayout = new QVBoxLayout(fieldBox);
  m_field = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(texts.fields[i]), fieldBox);
    m_field->addButton(radio, i);
    fieldLayout->addWidget(radio);
  }
  m_field->button(0)->setChecked(true);
  m_search = new QLineEdit(this);
  m_search->setObjectName(QStringLiteral("Search"));
  auto* find = new QPushButton(QStringLiteral("Найти"), this);
  find->setObjectName(QStringLiteral("FindBtn"));
  m_results = new QListWidget(this);
  m_results->setObjectName(QStringLiteral("Results"));
  m_results->setMinimumHeight(160);
  auto* select = new QPushButton(QStringLiteral("Выбрать"), this);
  select->setObjectName(QStringLiteral("SelectBtn"));
  auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
  close->setObjectName(QStringLiteral("CancelBtn"));

  auto* form = new QFormLayout;
  form->addRow(QString::fromUtf8(texts.groupLabel), m_group);
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(m_search, 1);
  searchRow->addWidget(find);
  form->addRow(QStringLiteral("Поиск:"), searchRow);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(select);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(fieldBox);
  layout->addWidget(new QLabel(QStringLiteral("Результаты поиска:"), this));
  layout->addWidget(m_results, 1);
  layout->addLayout(buttons);

  // Enter in the search box searches; in the results it chooses.
  find->setDefault(true);
  connect(find, &QPushButton::clicked, this, &SearchPickerForm::FindBtnClick);
  connect(select, &QPushButton::clicked, this, &SearchPickerForm::SelectBtnClick);
  connect(m_results, &QListWidget::itemDoubleClicked, this, &SearchPickerForm::SelectBtnClick);
  connect(m_results, &QListWidget::itemActivated, this, &SearchPickerForm::SelectBtnClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  setTabOrder(m_group, m_search);
  setTabOrder(m_search, find);
  setTabOrder(find, m_field->button(0));
  setTabOrder(m_field->button(2), m_results);
  setTabOrder(m_results, select);
  setTabOrder(select, close);

  PickerRepository repository(context.db());
  const auto groups = kind == Kind::Client ? repository.clientGroups() : repository.vehicleTypes();
  m_group->addItem(kAllGroups);
  if (groups)
    m_group->addItems(*groups);
  else
    msg::failure(this, groups.error());
  m_group->setCurrentIndex(0);
}

void SearchPickerForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_search->setFocus();
}

void SearchPickerForm::FindBtnClick() {
  const QString text = m_search->text();
  if (text.isEmpty())
    return;
  m_results->clear();
  const QString group = m_group->currentIndex() > 0 ? m_group->currentText() : QString();
  PickerRepository repository(m_context.db());
  const int field = m_field->checkedId();
  const auto found = m_kind == Kind::Client ? repository.findClients(ClientSearchField(field), text, group)
                                            : repository.findCarriers(CarrierSearchField(field), text, group);
  if (!found) {
    msg::failure(this, found.error());
    return;
  }
  if (found->isEmpty()) {
    msg::warning(this, QString::fromUtf8(textsOf(m_kind).notFound), QStringLiteral("Результаты поиска"));
    return;
  }
  m_results->addItems(*found);
  m_results->setCurrentRow(0);
  m_results->setFocus();
}

void SearchPickerForm::SelectBtnClick() {
  const QListWidgetItem* item = m_results->currentItem();
  if (!item)
    return;
  m_chosen = item->text();
  accept();
}

} // namespace vh
