#include "gui/rights/permissiongriddelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>

namespace vh {

namespace {

bool isCheckCell(const QModelIndex& index) {
  return index.flags().testFlag(Qt::ItemIsUserCheckable) && index.data(Qt::CheckStateRole).isValid();
}

QStyle* styleOf(const QStyleOptionViewItem& option) {
  return option.widget ? option.widget->style() : QApplication::style();
}

} // namespace

void PermissionGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  QStyleOptionViewItem opt(option);
  initStyleOption(&opt, index);
  const bool check = isCheckCell(index);
  const bool markup = !check && Qt::mightBeRichText(opt.text);
  if (!check && !markup) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyle* style = styleOf(opt);
  const QString text = opt.text;
  // The cell's background and focus without its own text or indicator.
  opt.text.clear();
  opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

  if (check) {
    QStyleOptionViewItem box(opt);
    box.rect = QRect(0, 0, style->pixelMetric(QStyle::PM_IndicatorWidth, &opt, opt.widget),
                     style->pixelMetric(QStyle::PM_IndicatorHeight, &opt, opt.widget));
    box.rect.moveCenter(option.rect.center());
    box.state = (opt.state & ~(QStyle::State_On | QStyle::State_Off)) |
                (index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, option.widget);
    return;
  }

  QTextDocument document;
  document.setDefaultFont(opt.font);
  document.setDocumentMargin(0);
  document.setHtml(text);
  const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget).adjusted(3, 0, -3, 0);
  painter->save();
  painter->translate(area.left(), area.top() + (area.height() - document.size().height()) / 2);
  painter->setClipRect(QRectF(0, 0, area.width(), area.height()));
  document.drawContents(painter);
  painter->restore();
}

bool PermissionGridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) {
  if (!isCheckCell(index) || !index.flags().testFlag(Qt::ItemIsEnabled))
    return QStyledItemDelegate::editorEvent(event, model, option, index);
  switch (event->type()) {
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonDblClick:
    // The release toggles; a double click must not toggle twice.
    return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  case QEvent::MouseButtonRelease:
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
      return false;
    break;
  case QEvent::KeyPress: {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Space && key != Qt::Key_Select)
      return false;
    break;
  }
  default: return false;
  }
  const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
  return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

} // namespace vh
