#include "core/rights/permissioncatalogue.h"
#include "core/rights/rights.h"
#include "support/testmain.h"

#include <QSet>

using namespace vh;

// The catalogue the administrator composes statuses from, against what the
// keys do at run time.
class TestPermissionCatalogue : public QObject {
  Q_OBJECT

private Q_SLOTS:
  // A right offered to the administrator that governs nothing would be a lie.
  void everyRightGovernsSomething() {
    QSet<QString> keys;
    for (const auto* catalogue : {&fieldCatalogue(), &commandCatalogue()}) {
      for (const CatalogueSection& section : *catalogue) {
        QVERIFY(!section.heading.isEmpty());
        for (const CatalogueRight& right : section.rights) {
          QVERIFY2(!Rights::targetsOf(right.key).isEmpty(), qPrintable(right.key));
          QVERIFY2(!keys.contains(right.key), qPrintable(right.key));
          keys.insert(right.key);
        }
      }
    }
    QCOMPARE(keys.size(), 32 + 24);
  }

  void kindsFollowTheKeys() {
    for (const CatalogueSection& section : fieldCatalogue()) {
      for (const CatalogueRight& right : section.rights) {
        QCOMPARE(permissionKind(right.key), PermissionKind::Field);
        QVERIFY(!right.deletes);
      }
    }
    QStringList deleting;
    for (const CatalogueSection& section : commandCatalogue()) {
      for (const CatalogueRight& right : section.rights) {
        QCOMPARE(permissionKind(right.key), PermissionKind::Command);
        if (right.deletes)
          deleting.append(right.key);
      }
    }
    QCOMPARE(deleting, (QStringList{"SourceManagerDelete", "ClientManagerDelete", "WorkerManagerDelete",
                                    "StatusManagerDelete", "UserManagerDelete"}));
    QCOMPARE(journalKey(17), QStringLiteral("#17"));
    QCOMPARE(permissionKind(journalKey(17)), PermissionKind::Journal);
  }

  void headingsInOrder() {
    QStringList headings;
    for (const auto* catalogue : {&fieldCatalogue(), &commandCatalogue()}) {
      for (const CatalogueSection& section : *catalogue)
        headings.append(section.heading + QString::number(section.rights.size()));
    }
    QCOMPARE(headings, (QStringList{"Заказ20", "Оплата12", "Редакторы8", "Клиенты и Исполнители4", "Работа с заказами7",
                                    "Управление и администрирование5"}));
  }
};

VH_TEST_MAIN(TestPermissionCatalogue)
#include "tst_permissioncatalogue.moc"
