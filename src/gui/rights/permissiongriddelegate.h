#pragma once

#include <QStyledItemDelegate>

namespace vh {

// Paints the permission editor's grids: check boxes centred in their cells
// and toggled by a click anywhere in the cell or by Space, and captions
// given as simple markup (the red asterisk of a right to delete) rendered.
class PermissionGridDelegate final : public QStyledItemDelegate {
  Q_OBJECT

public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
  bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

} // namespace vh
