#include "gui/register/registerview.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace vh {

namespace {

// Draws cells without the focus rectangle.
class NoFocusDelegate final : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
  }
};

} // namespace

RegisterView::RegisterView(QWidget* parent) : QTableView(parent) {
  setObjectName(QStringLiteral("Grid"));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setAlternatingRowColors(true);
  setItemDelegate(new NoFocusDelegate(this));
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setStyleSheet(QStringLiteral("QTableView { selection-background-color: #7a7a7a; selection-color: white; "
                               "gridline-color: #d4d9df; }"));
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(true);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(lineRowHeight());
  connect(verticalScrollBar(), &QScrollBar::sliderMoved, this, &RegisterView::showScrollHint);
}

int RegisterView::lineRowHeight() const {
  return qMax(21, fontMetrics().height() + 6);
}

QModelIndex RegisterView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if (model() && model()->rowCount() > 0 && (action == MoveHome || action == MoveEnd)) {
    const int column = currentIndex().isValid() ? currentIndex().column() : horizontalHeader()->logicalIndexAt(0);
    return model()->index(action == MoveHome ? 0 : model()->rowCount() - 1, qMax(0, column));
  }
  return QTableView::moveCursor(action, modifiers);
}

void RegisterView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && !selectionModel()->isRowSelected(index.row(), {}))
      selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else if (index.isValid())
      selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
}

void RegisterView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    Q_EMIT contextMenuAt(event->globalPosition().toPoint());
    event->accept();
    return;
  }
  QTableView::mouseReleaseEvent(event);
}

void RegisterView::showScrollHint(int value) {
  if (!model() || model()->rowCount() == 0)
    return;
  const int row = qBound(0, value, model()->rowCount() - 1);
  const QPoint at = verticalScrollBar()->mapToGlobal(QPoint(-8, verticalScrollBar()->height() / 2));
  QToolTip::showText(at, QStringLiteral("Строка %1 из %2").arg(row + 1).arg(model()->rowCount()), this);
}

} // namespace vh
