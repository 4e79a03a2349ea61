#include "core/rights/loginservice.h"
#include "gui/register/mainform.h"
#include "gui/rights/statuseditform.h"
#include "gui/rights/usereditform.h"
#include "support/fakes.h"
#include "support/testdatabase.h"
#include "support/testmain.h"
#include "support/windowdriver.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

using namespace vh;
using namespace vh::test;

namespace {

void setTicked(QTableWidget* grid, const QString& key, int column) {
  for (int row = 0; row < grid->rowCount(); ++row) {
    if (grid->item(row, TStatusEditForm::KeyColumn)->text() == key) {
      grid->item(row, column)->setCheckState(Qt::Checked);
      return;
    }
  }
  qFatal("no row %s", qPrintable(key));
}

QStringList commandNames(QMenu* menu) {
  QStringList names;
  const auto actions = menu->actions();
  for (QAction* action : actions)
    names.append(action->menu() ? action->menu()->objectName() : action->objectName());
  return names;
}

} // namespace

// A status composed in the permission editor takes effect at its holder's next login.
class TestLoginRights : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void composedStatusAppliesAtLogin() {
    test::TestSession session;
    test::RecordingMessages messages;
    const QString status = QStringLiteral("Логист");
    session.data().exec(QStringLiteral("INSERT INTO Статусы (Название) VALUES (:n)"), {{"n", status}});
    {
      TStatusEditForm editor(session.context());
      QVERIFY(editor.load(status, true));
      for (const char* key : {"ClientManager", "WorkerManager", "GroupManager"})
        setTicked(editor.commandGrid(), QString::fromLatin1(key), TStatusEditForm::AccessColumn);
      setTicked(editor.fieldGrid(), QStringLiteral("_ClientName"), TStatusEditForm::ViewColumn);
      setTicked(editor.fieldGrid(), QStringLiteral("_Route"), TStatusEditForm::ChangeColumn);
      setTicked(editor.journalGrid(), QStringLiteral("#%1").arg(session.data().adminId()),
                TStatusEditForm::AccessColumn);
      child(&editor, "OKBtn")->click();
      QCOMPARE(editor.result(), int(QDialog::Accepted));
    }
    {
      TUserEditForm editor(session.context());
      editor.prepare(EntryEditor::Mode::Create, QStringLiteral("Создание пользователя"), QStringLiteral("Создать"));
      type(&editor, "UsernameEdit", QStringLiteral("Орлова Ольга"));
      type(&editor, "LoginEdit", QStringLiteral("orlova"));
      type(&editor, "ParoleEdit", QStringLiteral("secret"));
      auto* statuses = child<QComboBox>(&editor, "Status");
      statuses->setCurrentIndex(statuses->findText(status));
      child(&editor, "OKBtn")->click();
      QCOMPARE(editor.result(), int(QDialog::Accepted));
    }
    QVERIFY(messages.shown.isEmpty());

    const auto outcome = LoginService(session.db()).login(QStringLiteral("orlova"), QStringLiteral("secret"));
    VH_VERIFY_OK(outcome);
    QVERIFY(outcome->has_value());
    const Session& user = (*outcome)->session;
    QVERIFY(!user.rights.commandAllowed(QStringLiteral("OrderEditor")));
    QVERIFY(user.rights.commandAllowed(QStringLiteral("ClientManager")));
    QVERIFY(user.rights.fieldVisible(QStringLiteral("_ClientName")));
    QVERIFY(!user.rights.fieldEnabled(QStringLiteral("_ClientName")));
    QVERIFY(user.rights.fieldEnabled(QStringLiteral("_Route")));
    QVERIFY(!user.rights.fieldVisible(QStringLiteral("_WayPrice")));
    QCOMPARE(user.journalUserIds, (QList<qint64>{session.data().adminId(), user.user.id}));

    AppContext context(session.db(), AppConfig(session.data().folder()));
    context.startSession(user);
    TMainForm main(context, (*outcome)->view);
    const auto action = [&](const char* name) { return main.findChild<QAction*>(QLatin1String(name)); };
    // Unticked rights remove their commands: the order sources, and the journal with the users.
    QVERIFY(!action("SourceManagerBtn")->isVisible());
    QVERIFY(!action("SourceManagerBtn")->isEnabled());
    QVERIFY(!action("ProtocolBtn")->isVisible());
    QVERIFY(action("GroupManagerBtn")->isVisible());
    QVERIFY(action("ClientManagerBtn")->isVisible());
    QVERIFY(action("WorkerManagerBtn")->isVisible());
    QVERIFY(!action("UserManagerBtn")->isVisible());
    QVERIFY(!action("StatusManagerBtn")->isVisible());
    // With users, statuses and the database denied, "Управление" is gone.
    QVERIFY(!main.findChild<QMenu*>(QStringLiteral("ManageSubBtn"))->menuAction()->isVisible());
  }

  // The directory commands stand in the menus in their order.
  void commandsInMenuOrder() {
    test::TestSession session;
    TMainForm main(session.context(), ViewSettings());
    const QStringList editors = commandNames(main.findChild<QMenu*>(QStringLiteral("DataSubBtn")));
    QCOMPARE(editors.value(0), QStringLiteral("ClientManagerBtn"));
    QCOMPARE(editors.indexOf(QStringLiteral("WorkerManagerBtn")),
             editors.indexOf(QStringLiteral("GroupManagerBtn")) + 1);
    QCOMPARE(commandNames(main.findChild<QMenu*>(QStringLiteral("ManageSubBtn"))),
             (QStringList{"UserManagerBtn", "StatusManagerBtn"}));
    QCOMPARE(main.findChild<QAction*>(QStringLiteral("ClientManagerBtn"))->text(), QStringLiteral("Клиенты"));
    QCOMPARE(main.findChild<QAction*>(QStringLiteral("WorkerManagerBtn"))->text(),
             QStringLiteral("Транспортные компании"));
    QCOMPARE(main.findChild<QAction*>(QStringLiteral("UserManagerBtn"))->text(), QStringLiteral("Пользователи"));
    QCOMPARE(main.findChild<QAction*>(QStringLiteral("StatusManagerBtn"))->text(),
             QStringLiteral("Статусы полномочий"));
  }
};

VH_TEST_MAIN(TestLoginRights)
#include "tst_loginrights.moc"
