#pragma once

#include "core/register/registerrow.h"
#include "core/register/viewsettings.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>

#include <vector>

namespace vh {

// The register's rows as a table of 19 columns. Texts are formatted when a
// cell is drawn, so loading a large register costs one pass over the rows.
class RegisterModel final : public QAbstractTableModel {
  Q_OBJECT

public:
  enum Column {
    ColId,
    ColStart,
    ColEnd,
    ColClient,
    ColCustomer,
    ColVehicleType,
    ColRoute,
    ColFreight,
    ColReceiver,
    ColExpedition,
    ColCarrier,
    ColPlate,
    ColDriver,
    ColSum,
    ColCurrency,
    ColClientRub,
    ColWorkerRub,
    ColProfit,
    ColAuthor
  };
  static_assert(ColAuthor + 1 == kRegisterColumnCount);

  explicit RegisterModel(QObject* parent = nullptr);

  static QString headerText(int column);

  void setRows(std::vector<RegisterRow> rows);
  const RegisterRow& rowAt(int row) const { return m_rows.at(size_t(row)); }
  // Row index of an order, or -1.
  int rowOfId(qint64 id) const;
  void removeOrder(qint64 id);

  // The text a cell shows (what the find command searches).
  QString cellText(int row, int column) const;
  // Orders two rows by one column's value (not its text): numbers and dates compare as such.
  int compare(int rowA, int rowB, int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  std::vector<RegisterRow> m_rows;
  QHash<qint64, int> m_rowOfId;
  // Parsed order colours by colour text; an invalid text gives no colour.
  QHash<QString, QColor> m_colors;
  QLocale m_locale;
};

} // namespace vh
