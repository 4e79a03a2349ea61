#pragma once

#include <QList>
#include <QString>

namespace vh {

// The kind of a permission key, told by its first character: "_" a field of
// the order editor, "#" the journal entries of one user, anything else a command.
enum class PermissionKind { Field, Journal, Command };
PermissionKind permissionKind(const QString& key);

// The journal right to the entries of one user: "#" and the user's ID.
QString journalKey(qint64 userId);

struct CatalogueRight final {
  QString key;
  QString caption;
  bool deletes = false; // a right to delete, marked for the administrator
};

struct CatalogueSection final {
  QString heading;
  QList<CatalogueRight> rights;
};

// The rights the administrator composes a status from, under their headings
// and in the order he reads them. What each key does to the windows is the
// table of Rights::targetsOf; the two name the same keys.
const QList<CatalogueSection>& fieldCatalogue();
const QList<CatalogueSection>& commandCatalogue();

} // namespace vh
