#include "core/register/viewsettings.h"

#include "core/db/database.h"
#include "core/db/statement.h"

#include <QList>
#include <QPair>

namespace vh {

namespace {

// The 39 rows in their stored order: width and shown flag per column, then the bands.
QList<QPair<QString, int>> toRows(const ViewSettings& settings) {
  QList<QPair<QString, int>> rows;
  for (int n = 0; n < kRegisterColumnCount; ++n) {
    rows.append({QStringLiteral("ColWidth%1").arg(n), settings.widths[n]});
    rows.append({QStringLiteral("ColShow%1").arg(n), settings.shown[n] ? 1 : 0});
  }
  rows.append({QStringLiteral("BandsShow"), settings.bands ? 1 : 0});
  return rows;
}

} // namespace

Result<ViewSettings> ViewSettingsRepository::load(qint64 userId) {
  return attempt([&] {
    ViewSettings settings;
    Statement q(m_db, QStringLiteral("SELECT Параметр, Значение FROM Настройки WHERE User_ID=:User_ID"));
    q.bind(QStringLiteral("User_ID"), userId);
    q.exec();
    while (q.next()) {
      const QString name = q.text(QStringLiteral("Параметр"));
      const int value = int(q.integer(QStringLiteral("Значение")));
      if (name == u"BandsShow") {
        settings.bands = value == 1;
        continue;
      }
      for (const auto& [prefix, isWidth] :
           {std::pair{QStringLiteral("ColWidth"), true}, std::pair{QStringLiteral("ColShow"), false}}) {
        if (!name.startsWith(prefix))
          continue;
        bool ok = false;
        const int n = name.mid(prefix.size()).toInt(&ok);
        if (!ok || n < 0 || n >= kRegisterColumnCount)
          continue;
        if (isWidth)
          settings.widths[n] = value;
        else
          settings.shown[n] = value == 1;
      }
    }
    return settings;
  });
}

Result<void> ViewSettingsRepository::save(qint64 userId, const ViewSettings& settings) {
  return attempt([&] {
    Transaction transaction(m_db);
    Statement count(m_db, QStringLiteral("SELECT count(*) AS cnt FROM Настройки WHERE User_ID=:User_ID"));
    count.bind(QStringLiteral("User_ID"), userId);
    const qint64 existing = count.first() ? count.integer(QStringLiteral("cnt")) : 0;
    const auto rows = toRows(settings);
    bool updated = false;
    if (existing == rows.size()) {
      // Exactly a full set: update in place, unless a row of the set is
      // missing (a stray duplicate), in which case the set is replaced below.
      Statement update(m_db, QStringLiteral("UPDATE Настройки SET Значение=:Значение "
                                            "WHERE User_ID=:User_ID AND Параметр=:Параметр"));
      updated = true;
      for (const auto& [name, value] : rows) {
        update.bind(QStringLiteral("Значение"), value)
            .bind(QStringLiteral("User_ID"), userId)
            .bind(QStringLiteral("Параметр"), name);
        update.exec();
        updated = updated && update.rowsAffected() == 1;
      }
    }
    if (!updated) {
      if (existing != 0) {
        Statement remove(m_db, QStringLiteral("DELETE FROM Настройки WHERE User_ID=:User_ID"));
        remove.bind(QStringLiteral("User_ID"), userId);
        remove.exec();
      }
      Statement insert(m_db, QStringLiteral("INSERT INTO Настройки (User_ID, Параметр, Значение) "
                                            "VALUES (:User_ID, :Параметр, :Значение)"));
      for (const auto& [name, value] : rows) {
        insert.bind(QStringLiteral("User_ID"), userId)
            .bind(QStringLiteral("Параметр"), name)
            .bind(QStringLiteral("Значение"), value);
        insert.exec();
      }
    }
    transaction.commit();
  });
}

} // namespace vh
