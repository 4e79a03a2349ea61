#pragma once

#include "core/rights/permissioncatalogue.h"
#include "core/rights/rights.h"
#include "gui/directories/entryeditor.h"

#include <memory>

class QTableWidget;

namespace Ui {
class TStatusEditForm;
}

namespace vh {

// The permission editor: a status's rights on three pages, "Редакторы"
// (commands), "Поля" (order editor fields, seen and changed) and "Журнал
// действий" (whose journal entries may be read). A status without rows opens
// in create mode with nothing ticked; saving writes a row for every right.
class TStatusEditForm final : public EntryEditor {
  Q_OBJECT

public:
  // The grid columns holding the check boxes.
  enum Column { KeyColumn = 0, CaptionColumn = 1, ViewColumn = 2, ChangeColumn = 3, AccessColumn = 2 };

  explicit TStatusEditForm(AppContext& context, QWidget* parent = nullptr);
  ~TStatusEditForm() override;

  // Ticks what the status allows its holders at login: a command or field
  // without a row restricts nothing and shows ticked, a journal without a row
  // shows nothing. A status just created starts with nothing ticked instead,
  // to be composed from scratch. The logged-in user's own status always
  // opens with his own journal ticked. False when the status no longer
  // exists, or on a failure (already shown).
  bool load(const QString& statusName, bool justCreated = false);

  // The grids, for the rights of one kind.
  QTableWidget* commandGrid() const;
  QTableWidget* fieldGrid() const;
  QTableWidget* journalGrid() const;

protected:
  bool save() override;
  void done(int result) override;

private:
  void fillJournalGrid();
  void tickAll(bool on);
  void apply(const PermissionRow& row);
  QList<PermissionRow> collectRows() const;
  int tickedCount(QTableWidget* grid) const;

  std::unique_ptr<Ui::TStatusEditForm> m_ui;
  qint64 m_statusId = 0;
  QString m_statusName;
};

} // namespace vh
