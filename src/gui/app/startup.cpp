#include "gui/app/startup.h"

#include "core/app/config.h"
#include "core/db/database.h"
#include "core/rates/cbrratesource.h"
#include "gui/app/appcontext.h"
#include "gui/app/loginform.h"
#include "gui/common/messages.h"
#include "gui/register/mainform.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

namespace vh {

void prepareApplication(QApplication& app) {
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
    QApplication::setStyle(fusion);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/logo.svg")));
}

int runProgram(QApplication& app, const QString& programFolder) {
  AppConfig config(programFolder);
  const QString path = config.databasePath();
  if (!QFileInfo(path).isFile()) {
    msg::error(nullptr, QStringLiteral("Не найден файл базы данных \"%1\".\nПрограмма будет закрыта.")
                            .arg(AppConfig::kDefaultDatabaseFileName));
    return 1;
  }
  auto db = Database::openSqlite(path);
  if (!db) {
    msg::error(nullptr, db.error().text + QStringLiteral("\nПрограмма будет закрыта."));
    return 1;
  }

  TLoginForm login(**db);
  if (login.exec() != QDialog::Accepted || !login.outcome())
    return 0;

  AppContext context(**db, config);
  context.setRateSource(std::make_unique<CbrRateSource>(config.ratesBaseUrl(), config.ratesTimeout()));
  context.startSession(login.outcome()->session);
  TMainForm main(context, login.outcome()->view);
  main.show();
  main.reloadRegister(false);
  return app.exec();
}

} // namespace vh
