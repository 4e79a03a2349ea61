#include "gui/directories/directorywindow.h"

#include "core/common/collation.h"
#include "gui/app/appcontext.h"
#include "gui/common/messages.h"
#include "gui/common/rightsapplier.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vh {

namespace {

QPushButton* makeButton(QWidget* parent, const DirectoryDescription::Button& spec) {
  auto* button = new QPushButton(spec.caption, parent);
  button->setObjectName(spec.name);
  button->setAutoDefault(false);
  return button;
}

} // namespace

DirectoryWindow::DirectoryWindow(AppContext& context, DirectoryDescription description, QWidget* parent) :
    QDialog(parent), m_context(context), m_description(std::move(description)) {
  setObjectName(m_description.windowClass);
  setWindowTitle(m_description.caption);

  auto* label = new QLabel(m_description.listLabel, this);
  m_list = new QListWidget(this);
  m_list->setObjectName(m_description.listName);
  m_list->setMinimumSize(320, 300);
  m_list->setUniformItemSizes(true);
  label->setBuddy(m_list);

  auto* buttons = new QVBoxLayout;
  QList<QWidget*> tabOrder{m_list};
  const auto addButton = [&](const DirectoryDescription::Button& spec, auto handler) {
    QPushButton* button = makeButton(this, spec);
    connect(button, &QPushButton::clicked, this, handler);
    buttons->addWidget(button);
    tabOrder.append(button);
    return button;
  };
  addButton(m_description.createButton, [this] {
    if (m_description.onCreate)
      m_description.onCreate(*this);
  });
  addButton(m_description.editButton, [this] { runOnSelection(m_description.onEdit); });
  if (m_description.onDelete)
    addButton(m_description.deleteButton, [this] { runOnSelection(m_description.onDelete); });
  for (const auto& extra : m_description.extras)
    addButton(extra.button, [this, action = extra.action] { runOnSelection(action); });
  buttons->addStretch(1);
  QPushButton* close = addButton(m_description.closeButton, [this] { reject(); });
  close->setAutoDefault(false);

  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(label);
  listColumn->addWidget(m_list, 1);
  auto* body = new QHBoxLayout;
  body->addLayout(listColumn, 1);
  body->addLayout(buttons);

  auto* statusBar = new QStatusBar(this);
  statusBar->setSizeGripEnabled(false);
  m_count = new QLabel(statusBar);
  m_count->setObjectName(QStringLiteral("CountLine"));
  statusBar->addWidget(m_count, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(statusBar);

  for (int i = 1; i < tabOrder.size(); ++i)
    setTabOrder(tabOrder[i - 1], tabOrder[i]);
  connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { runOnSelection(m_description.onEdit); });

  applyRights(this, m_context.session().rights);
  reload();
}

void DirectoryWindow::runOnSelection(const DirectoryDescription::NameAction& action) {
  const QString name = selectedName();
  if (action && m_list->currentItem())
    action(*this, name);
}

void DirectoryWindow::reload() {
  const QString selected = selectedName();
  auto names = NamedListRepository(m_context.db(), m_description.table).names();
  if (!names) {
    msg::failure(this, names.error());
    return;
  }
  m_names = *names;
  sortNames(m_names);
  showNames();
  selectName(selected);
  m_list->setFocus();
}

void DirectoryWindow::showNames() {
  m_list->setUpdatesEnabled(false);
  m_list->clear();
  m_list->addItems(m_names);
  m_list->setUpdatesEnabled(true);
  m_count->setText(countText());
}

QString DirectoryWindow::countText() const {
  return m_description.countLabel + QString::number(m_names.size());
}

QString DirectoryWindow::selectedName() const {
  const QListWidgetItem* item = m_list->currentItem();
  return item ? item->text() : QString();
}

void DirectoryWindow::selectName(const QString& name) {
  const qsizetype index = m_names.indexOf(name);
  if (index < 0)
    return;
  m_list->setCurrentRow(int(index));
  m_list->scrollToItem(m_list->currentItem());
}

bool DirectoryWindow::containsName(const QString& name) const {
  return std::any_of(m_names.cbegin(), m_names.cend(),
                     [&](const QString& n) { return n.compare(name, Qt::CaseInsensitive) == 0; });
}

void DirectoryWindow::addName(const QString& name) {
  m_names.append(name);
  sortNames(m_names);
  showNames();
  selectName(name);
}

void DirectoryWindow::replaceName(const QString& oldName, const QString& newName) {
  const qsizetype index = m_names.indexOf(oldName);
  if (index >= 0)
    m_names.removeAt(index);
  addName(newName);
}

void DirectoryWindow::removeName(const QString& name) {
  const qsizetype index = m_names.indexOf(name);
  if (index < 0)
    return;
  m_names.removeAt(index);
  showNames();
  if (!m_names.isEmpty())
    m_list->setCurrentRow(int(qMin(index, m_names.size() - 1)));
}

} // namespace vh
