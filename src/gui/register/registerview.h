#pragma once

#include <QTableView>

namespace vh {

// The register grid: whole rows selected, several at once with Ctrl and
// Shift, a right click selects the row under the mouse before the pop-up
// menu, Home and End go to the first and last order, and dragging the
// scroll bar shows which row is reached.
class RegisterView final : public QTableView {
  Q_OBJECT

public:
  explicit RegisterView(QWidget* parent = nullptr);

  // The row height that fits one line of the current font.
  int lineRowHeight() const;

Q_SIGNALS:
  void contextMenuAt(const QPoint& globalPos);

protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void showScrollHint(int value);
};

} // namespace vh
