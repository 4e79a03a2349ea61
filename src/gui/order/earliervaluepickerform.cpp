#include "gui/order/earliervaluepickerform.h"

#include "gui/app/appcontext.h"
#include "gui/common/messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vh {

namespace {

struct FieldTexts {
  const char* windowClass;
  const char* caption;
  const char* textName;
  const char* textLabel;
};

FieldTexts textsOf(EarlierField field) {
  switch (field) {
  case EarlierField::Route: return {"TRepeatRouteForm", "Выбор маршрута Клиента", "Route", "Описание маршрута:"};
  case EarlierField::Expedition:
    return {"TRepeatExpeditionForm", "Выбор экспедиции Клиента", "EXPEDITION", "Экспедиция:"};
  case EarlierField::Remark: return {"TCommentRepeatForm", "Выбор примечания", "Memo", "Примечания:"};
  }
  return {};
}

} // namespace

EarlierValuePickerForm::EarlierValuePickerForm(AppContext& context, EarlierField field, QWidget* parent) :
    QDialog(parent), m_context(context), m_field(field) {
  const FieldTexts texts = textsOf(field);
  setObjectName(QLatin1String(texts.windowClass));
  setWindowTitle(QString::fromUtf8(texts.caption));

  m_dates = new QListWidget(this);
  m_dates->setObjectName(QStringLiteral("Dates"));
  m_dates->setMinimumWidth(190);
  m_text = new QPlainTextEdit(this);
  m_text->setObjectName(QLatin1String(texts.textName));
  m_text->setReadOnly(true);
  m_text->setMinimumSize(320, 220);
  m_search = new QLineEdit(this);
  m_search->setObjectName(QStringLiteral("Search"));
  auto* find = new QPushButton(QStringLiteral("Найти"), this);
  find->setObjectName(QStringLiteral("FindBtn"));
  auto* choose = new QPushButton(QStringLiteral("Выбрать"), this);
  choose->setObjectName(QStringLiteral("Button1"));
  auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
  close->setObjectName(QStringLiteral("Button2"));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Выберите дату оформления заказа:"), this), 0, 0);
  grid->addWidget(new QLabel(QString::fromUtf8(texts.textLabel), this), 0, 1);
  grid->addWidget(m_dates, 1, 0);
  grid->addWidget(m_text, 1, 1);
  grid->setColumnStretch(1, 1);
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(new QLabel(QStringLiteral("Поиск по ключевому слову:"), this));
  searchRow->addWidget(m_search, 1);
  searchRow->addWidget(find);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(choose);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(searchRow);
  layout->addLayout(grid, 1);
  layout->addLayout(buttons);

  find->setDefault(true);
  connect(find, &QPushButton::clicked, this, &EarlierValuePickerForm::FindBtnClick);
  connect(m_dates, &QListWidget::currentRowChanged, this, &EarlierValuePickerForm::DatesClick);
  connect(m_dates, &QListWidget::itemDoubleClicked, this, &EarlierValuePickerForm::Button1Click);
  connect(choose, &QPushButton::clicked, this, &EarlierValuePickerForm::Button1Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  setTabOrder(m_search, find);
  setTabOrder(find, m_dates);
  setTabOrder(m_dates, m_text);
  setTabOrder(m_text, choose);
  setTabOrder(choose, close);
}

bool EarlierValuePickerForm::prepare(const QString& client) {
  m_chosen.clear();
  if (m_field == EarlierField::Remark)
    return true;
  if (client.isEmpty())
    return false;
  m_client = client;
  m_search->clear();
  m_text->clear();
  fillDates(QString());
  return true;
}

void EarlierValuePickerForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_search->setFocus();
}

void EarlierValuePickerForm::fillDates(const QString& word) {
  const QSignalBlocker blocker(m_dates);
  m_dates->clear();
  const auto orders = PickerRepository(m_context.db()).earlierOrders(m_field, m_client, word);
  if (!orders) {
    msg::failure(this, orders.error());
    return;
  }
  const QLocale locale(QLocale::Russian, QLocale::Russia);
  for (const EarlierOrder& order : *orders) {
    auto* item = new QListWidgetItem(locale.toString(order.created.date(), QLocale::ShortFormat) + u' ' +
                                         order.created.time().toString(QStringLiteral("HH:mm:ss")),
                                     m_dates);
    item->setData(Qt::UserRole, order.id);
    item->setToolTip(QStringLiteral("Заказ № %1").arg(order.id));
  }
}

void EarlierValuePickerForm::FindBtnClick() {
  const QString word = m_search->text();
  if (word.isEmpty())
    return;
  m_text->clear();
  fillDates(word);
  if (m_dates->count() > 0)
    m_dates->setCurrentRow(0); // shows its text at once
}

void EarlierValuePickerForm::DatesClick() {
  const QListWidgetItem* item = m_dates->currentItem();
  if (!item)
    return;
  const auto text = PickerRepository(m_context.db()).earlierText(m_field, item->data(Qt::UserRole).toLongLong());
  if (!text) {
    msg::failure(this, text.error());
    return;
  }
  m_text->setPlainText(*text);
}

void EarlierValuePickerForm::Button1Click() {
  const QString text = m_text->toPlainText();
  if (text.isEmpty())
    return;
  m_chosen = text;
  accept();
}

} // namespace vh
