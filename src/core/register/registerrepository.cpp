#include "core/register/registerrepository.h"

#include "core/db/dialect.h"
#include "core/db/statement.h"

#include <QSet>

namespace vh {

namespace {

const QString kRegisterSelect =
    QStringLiteral("SELECT Заявки.ID, НачалоЗаказа, ОкончаниеЗаказа, Клиенты.Организация, Заказчики.ФИО AS Заказчик, "
                   "ТС.Наименование AS ТипТС, Маршрут, Груз, Получатель, Экспедиция, Исполнители.Исполнитель, "
                   "Авто.Номер, Водители.Водитель, Сумма, Валюты.Валюта, СуммаКлиента, СуммаКлиентаРуб, "
                   "СуммаИсполнителюРуб, Прибыль, Пользователи.ФИО AS Автор, Пользователи.Цвет\n"
                   "FROM Заявки\n"
                   "LEFT JOIN Клиенты ON Клиенты.ID=Заявки.Клиент_ID\n"
                   "LEFT JOIN Заказчики ON Заказчики.ID=Заявки.Заказчик_ID\n"
                   "LEFT JOIN ТС ON ТС.ID=Заявки.ТипТС_ID\n"
                   "LEFT JOIN Исполнители ON Исполнители.ID=Заявки.Исполнитель_ID\n"
                   "LEFT JOIN Авто ON Авто.ID=Заявки.Автомобиль_ID\n"
                   "LEFT JOIN Водители ON Водители.ID=Заявки.Водитель_ID\n"
                   "LEFT JOIN Валюты ON Валюты.ID=Заявки.Валюта_ID\n"
                   "LEFT JOIN Пользователи ON Пользователи.ID=Заявки.Creator_ID\n");

// Register texts repeat from row to row (clients, carriers, authors, routes);
// sharing one copy of each keeps a register of 100 000 orders small.
class TextPool final {
public:
  QString operator()(const QVariant& value) {
    QString text = value.toString();
    if (text.isEmpty())
      return {};
    const auto it = m_pool.constFind(text);
    if (it != m_pool.constEnd())
      return *it;
    m_pool.insert(text);
    return text;
  }

private:
  QSet<QString> m_pool;
};

} // namespace

Result<std::vector<RegisterRow>> RegisterRepository::load(const RegisterConditions* conditions) {
  return attempt([&] {
    QStringList where = conditions ? conditions->clauses : QStringList{QStringLiteral("Заявки.Done=False")};
    QString sql = kRegisterSelect;
    if (!where.isEmpty())
      sql += QStringLiteral("WHERE ") + where.join(QStringLiteral("\nAND ")) + u'\n';
    sql += QStringLiteral("ORDER BY Заявки.ID");
    Statement q(m_db, sql);
    if (conditions) {
      for (auto it = conditions->values.cbegin(); it != conditions->values.cend(); ++it)
        q.bind(it.key(), it.value());
    }
    q.exec();
    std::vector<RegisterRow> rows;
    TextPool pool;
    // Columns by position: the select list above fixes them, and name look-ups
    // per cell would dominate a large register.
    while (q.next()) {
      RegisterRow r;
      r.id = q.value(0).toLongLong();
      r.start = dateTimeFromEngine(q.value(1));
      r.end = dateTimeFromEngine(q.value(2));
      r.client = pool(q.value(3));
      r.customer = pool(q.value(4));
      r.vehicleType = pool(q.value(5));
      r.route = pool(q.value(6));
      r.freight = pool(q.value(7));
      r.receiver = pool(q.value(8));
      r.expedition = pool(q.value(9));
      r.carrier = pool(q.value(10));
      r.plate = pool(q.value(11));
      r.driver = pool(q.value(12));
      r.sum = q.value(13).toDouble();
      r.currency = pool(q.value(14));
      r.clientSum = q.value(15).toDouble();
      r.clientRub = q.value(16).toDouble();
      r.workerRub = q.value(17).toDouble();
      r.profit = q.value(18).toDouble();
      r.author = pool(q.value(19));
      r.colorText = pool(q.value(20));
      rows.push_back(std::move(r));
    }
    return rows;
  });
}

Result<qint64> RegisterRepository::countActive() {
  return attempt([&] {
    Statement q(m_db, QStringLiteral("SELECT count(*) AS cnt FROM Заявки WHERE Done=False"));
    return q.first() ? q.integer(QStringLiteral("cnt")) : qint64(0);
  });
}

} // namespace vh
