#include "gui/journal/actionskeeperform.h"

#include "core/common/clock.h"
#include "gui/app/appcontext.h"
#include "gui/common/messages.h"
#include "gui/journal/filterokform.h"
#include "ui_actionskeeperform.h"

#include <QAbstractTableModel>
#include <QHeaderView>

namespace vh {

// The journal rows of the window: ID (hidden), date and time, login, action.
class JournalModel final : public QAbstractTableModel {
public:
  using QAbstractTableModel::QAbstractTableModel;

  void setEntries(QList<JournalEntry> entries) {
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
  }
  const JournalEntry& entry(int row) const { return m_entries.at(row); }

  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_entries.size()); }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 4; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid())
      return {};
    const JournalEntry& e = m_entries.at(index.row());
    switch (index.column()) {
    case 0: return e.id;
    case 1:
      return m_locale.toString(e.moment.date(), QLocale::ShortFormat) + u' ' +
             e.moment.time().toString(QStringLiteral("HH:mm:ss"));
    case 2: return e.login;
    default: return e.action;
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal)
      return {};
    if (role == Qt::TextAlignmentRole)
      return QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
      return {};
    static const char* const headers[] = {"ID", "Дата/время", "Логин", "Действие"};
    return QString::fromUtf8(headers[section]);
  }

private:
  QList<JournalEntry> m_entries;
  QLocale m_locale{QLocale::Russian, QLocale::Russia};
};

TActionsKeeperForm::TActionsKeeperForm(AppContext& context, QWidget* parent) :
    QDialog(parent), m_ui(std::make_unique<Ui::TActionsKeeperForm>()), m_context(context), m_repository(context.db()) {
  m_ui->setupUi(this);
  setObjectName(QStringLiteral("TActionsKeeperForm"));
  m_model = new JournalModel(this);
  m_ui->Actions->setModel(m_model);
  m_ui->Actions->setColumnHidden(0, true);
  m_ui->Actions->verticalHeader()->setDefaultSectionSize(qMax(21, fontMetrics().height() + 6));
  m_filterForm = new TFilterokForm(this);

  connect(m_ui->FilterBtn, &QPushButton::clicked, this, &TActionsKeeperForm::FilterBtnClick);
  connect(m_ui->DeleteFilterBtn, &QPushButton::clicked, this, &TActionsKeeperForm::DeleteFilterBtnClick);
  connect(m_ui->DetailsBtn, &QPushButton::clicked, this, &TActionsKeeperForm::DetailsBtnClick);
  connect(m_ui->Actions, &QAbstractItemView::doubleClicked, this, &TActionsKeeperForm::DetailsBtnClick);
  connect(m_ui->CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
  open();
}

TActionsKeeperForm::~TActionsKeeperForm() = default;

int TActionsKeeperForm::entryCount() const {
  return m_model->rowCount();
}

void TActionsKeeperForm::open() {
  const auto period = m_repository.period();
  if (!period) {
    msg::failure(this, period.error());
    return;
  }
  const QDate today = Clock::today();
  const auto logins = m_repository.loginsOf(m_context.session().journalUserIds);
  if (!logins) {
    msg::failure(this, logins.error());
    return;
  }
  m_logins = *logins;
  m_filterForm->reset(period->first ? period->first->date() : today, period->second ? period->second->date() : today,
                      m_logins);
  m_filter.reset();
  refill();
}

void TActionsKeeperForm::refill() {
  const auto entries = m_repository.entries(m_logins, m_filter);
  if (!entries) {
    m_model->setEntries({});
    msg::failure(this, entries.error());
    return;
  }
  m_model->setEntries(*entries);
  QHeaderView* header = m_ui->Actions->horizontalHeader();
  const int wide = qMax(125, fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000 00:00:00")) + 16);
  header->resizeSection(1, wide);
  header->resizeSection(2, qMax(125, header->sectionSizeHint(2)));
  m_ui->Actions->setFocus();
  if (m_model->rowCount() > 0)
    m_ui->Actions->selectRow(0);
}

void TActionsKeeperForm::FilterBtnClick() {
  if (m_filterForm->exec() == QDialog::Accepted) {
    m_filter = m_filterForm->filter();
    refill();
  }
  m_ui->Actions->setFocus();
}

void TActionsKeeperForm::DeleteFilterBtnClick() {
  m_filter.reset();
  refill();
}

void TActionsKeeperForm::DetailsBtnClick() {
  const QModelIndex current = m_ui->Actions->currentIndex();
  if (current.isValid()) {
    const auto detail = m_repository.detail(m_model->entry(current.row()).id);
    if (!detail)
      msg::failure(this, detail.error());
    else
      msg::plain(this, detail->isEmpty() ? QStringLiteral("Действие не содержит детализации.") : *detail);
  }
  m_ui->Actions->setFocus();
}

} // namespace vh
