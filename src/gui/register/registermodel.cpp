#include "gui/register/registermodel.h"

#include "core/common/colortext.h"

#include <QBrush>

namespace vh {

namespace {

const char* const kHeaders[kRegisterColumnCount] = {
    "№ заказа", "Начало",       "Окончание",         "Клиент",      "Заказчик", "Тип транспорта", "Маршрут",
    "Груз",     "Получатель",   "Экспедиция",        "Исполнитель", "Номер ТС", "Водитель",       "Сумма заказа",
    "Валюта",   "Клиент, руб.", "Исполнителю, руб.", "Прибыль",     "Автор"};

bool isNumeric(int column) {
  return column == RegisterModel::ColId || column == RegisterModel::ColSum || column == RegisterModel::ColClientRub ||
         column == RegisterModel::ColWorkerRub || column == RegisterModel::ColProfit;
}

template <typename T> int compareValues(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

RegisterModel::RegisterModel(QObject* parent) : QAbstractTableModel(parent) {
  m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
}

QString RegisterModel::headerText(int column) {
  return QString::fromUtf8(kHeaders[column]);
}

void RegisterModel::setRows(std::vector<RegisterRow> rows) {
  beginResetModel();
  m_rows = std::move(rows);
  m_rowOfId.clear();
  m_rowOfId.reserve(qsizetype(m_rows.size()));
  m_colors.clear();
  for (size_t i = 0; i < m_rows.size(); ++i) {
    m_rowOfId.insert(m_rows[i].id, int(i));
    const QString& text = m_rows[i].colorText;
    if (!text.isEmpty() && !m_colors.contains(text)) {
      const auto parsed = parseColorText(text);
      m_colors.insert(text, parsed && !parsed->isWhite() ? QColor(parsed->red, parsed->green, parsed->blue) : QColor());
    }
  }
  endResetModel();
}

int RegisterModel::rowOfId(qint64 id) const {
  return m_rowOfId.value(id, -1);
}

void RegisterModel::removeOrder(qint64 id) {
  const int row = rowOfId(id);
  if (row < 0)
    return;
  beginRemoveRows({}, row, row);
  m_rows.erase(m_rows.begin() + row);
  m_rowOfId.remove(id);
  for (auto it = m_rowOfId.begin(); it != m_rowOfId.end(); ++it) {
    if (it.value() > row)
      --it.value();
  }
  endRemoveRows();
}

int RegisterModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(m_rows.size());
}

int RegisterModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kRegisterColumnCount;
}

QString RegisterModel::cellText(int row, int column) const {
  const RegisterRow& r = m_rows.at(size_t(row));
  const auto moment = [](const QDateTime& t) {
    return t.isValid() ? t.toString(QStringLiteral("dd.MM. — HH:mm")) : QString();
  };
  const auto number = [this](double v) { return m_locale.toString(v, 'g', QLocale::FloatingPointShortest); };
  switch (column) {
  case ColId: return QString::number(r.id);
  case ColStart: return moment(r.start);
  case ColEnd: return moment(r.end);
  case ColClient: return r.client;
  case ColCustomer: return r.customer;
  case ColVehicleType: return r.vehicleType;
  case ColRoute: return r.route;
  case ColFreight: return r.freight;
  case ColReceiver: return r.receiver;
  case ColExpedition: return r.expedition;
  case ColCarrier: return r.carrier;
  case ColPlate: return r.plate;
  case ColDriver: return r.driver;
  case ColSum: return number(r.sum);
  case ColCurrency: return r.currency;
  case ColClientRub: return number(r.clientRub);
  case ColWorkerRub: return number(r.workerRub);
  case ColProfit: return number(r.profit);
  case ColAuthor: return r.author;
  default: return {};
  }
}

int RegisterModel::compare(int rowA, int rowB, int column) const {
  const RegisterRow& a = m_rows.at(size_t(rowA));
  const RegisterRow& b = m_rows.at(size_t(rowB));
  switch (column) {
  case ColId: return compareValues(a.id, b.id);
  case ColStart: return compareValues(a.start, b.start);
  case ColEnd: return compareValues(a.end, b.end);
  case ColSum: return compareValues(a.sum, b.sum);
  case ColClientRub: return compareValues(a.clientRub, b.clientRub);
  case ColWorkerRub: return compareValues(a.workerRub, b.workerRub);
  case ColProfit: return compareValues(a.profit, b.profit);
  default: return QString::localeAwareCompare(cellText(rowA, column), cellText(rowB, column));
  }
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= int(m_rows.size()))
    return {};
  const RegisterRow& r = m_rows[size_t(index.row())];
  switch (role) {
  case Qt::DisplayRole: {
    QString text = cellText(index.row(), index.column());
    // Several lines show as one in the grid; the tooltip has them all.
    if (text.contains(u'\n'))
      text.replace(u'\n', QStringLiteral(" ¶ "));
    return text;
  }
  case Qt::ToolTipRole:
    if (index.column() == ColExpedition && r.expedition.contains(u'\n'))
      return r.expedition;
    return {};
  case Qt::BackgroundRole: {
    if (r.colorText.isEmpty())
      return {};
    const QColor color = m_colors.value(r.colorText);
    return color.isValid() ? QVariant(QBrush(color)) : QVariant();
  }
  case Qt::ForegroundRole:
    if (index.column() == ColClientRub && r.underpaid())
      return QBrush(Qt::red);
    return {};
  case Qt::TextAlignmentRole:
    return isNumeric(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                     : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  default: return {};
  }
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kRegisterColumnCount)
    return {};
  if (role == Qt::DisplayRole)
    return headerText(section);
  if (role == Qt::TextAlignmentRole)
    return QVariant(Qt::AlignCenter);
  return {};
}

} // namespace vh
