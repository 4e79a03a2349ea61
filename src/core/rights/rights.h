#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace vh {

// One row of a status's restrictions, as stored in Полномочия.
struct PermissionRow final {
  QString key;
  bool read = false;
  bool change = false;
};

// What one permission key does to one control or command of one window.
enum class RightEffect {
  // A field right: visible exactly when read, enabled exactly when change.
  Field,
  // A command right: the main-window command disappears when change is false.
  RemoveCommand,
  // Visible exactly when change is true.
  ShowWhenAllowed,
  // Hidden when change is false (delete buttons of directory windows).
  HideWhenDenied,
  // Disabled when change is false.
  DisableWhenDenied,
};

struct RightTarget final {
  QString window; // the window's class name, which is its objectName
  QString object; // the control's, action's or menu's objectName
  RightEffect effect;
};

// The restrictions of the logged-in user's status. Everything not named stays
// as designed; where two rows govern the same thing, the later row decides.
class Rights final {
public:
  Rights() = default;
  explicit Rights(QList<PermissionRow> rows);

  const QList<PermissionRow>& rows() const { return m_rows; }

  bool fieldVisible(const QString& key) const;
  bool fieldEnabled(const QString& key) const;
  bool commandAllowed(const QString& key) const;
  // Users (by ID) whose journal entries "#" rows with read open to this user.
  QList<qint64> journalUserIds() const;

  // Every control a key governs, in every window.
  static QList<RightTarget> targetsOf(const QString& key);

private:
  const PermissionRow* lastRow(const QString& key) const;

  QList<PermissionRow> m_rows;
};

} // namespace vh
