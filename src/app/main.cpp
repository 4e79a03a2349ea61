// Verholm: the order register of an international road haulage forwarder.
#include "core/app/databasesetup.h"
#include "gui/app/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kDefaultAdminPassword = "admin";

bool wantsConsole(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    for (const char* option : {"--create-database", "--help", "-h", "--version", "-v"}) {
      if (std::strcmp(argv[i], option) == 0)
        return true;
    }
  }
  return false;
}

// --create-database PATH [--demo] [--admin-password PW], --help, --version.
int runConsole(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("verholm"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VERHOLM_VERSION));
  QTextStream out(stdout);
  QTextStream err(stderr);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Verholm: реестр заказов международных автоперевозок.\n"
                     "Без параметров запускает программу с базой данных, указанной в config.ini "
                     "(по умолчанию Verholm.db рядом с программой)."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption create(QStringLiteral("create-database"),
                                  QStringLiteral("Создать новую базу данных в файле <путь>."), QStringLiteral("путь"));
  const QCommandLineOption demo(QStringLiteral("demo"),
                                QStringLiteral("Заполнить новую базу демонстрационными данными."));
  const QCommandLineOption password(QStringLiteral("admin-password"),
                                    QStringLiteral("Пароль пользователя Administrator (по умолчанию «%1»).")
                                        .arg(QLatin1String(kDefaultAdminPassword)),
                                    QStringLiteral("пароль"), QLatin1String(kDefaultAdminPassword));
  parser.addOptions({create, demo, password});
  parser.process(app);

  if (!parser.isSet(create)) {
    parser.showHelp(1);
  }
  vh::CreateDatabaseOptions options;
  options.adminPassword = parser.value(password);
  options.demo = parser.isSet(demo);
  const QString path = parser.value(create);
  const vh::Result<void> created = vh::createDatabaseFile(path, options);
  if (!created) {
    err << created.error().text << Qt::endl;
    return 1;
  }
  out << QStringLiteral("Создана база данных %1%2.")
             .arg(path, options.demo ? QStringLiteral(" с демонстрационными данными") : QString())
      << Qt::endl;
  out << QStringLiteral("Вход: логин Administrator, пароль «%1».").arg(options.adminPassword) << Qt::endl;
  if (options.demo)
    out << QStringLiteral("Демонстрационные менеджеры (petrova, smirnov, kuznetsova, volkov): пароль «demo».")
        << Qt::endl;
  return 0;
}

bool hasDisplay() {
  if (std::getenv("QT_QPA_PLATFORM"))
    return true;
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(variable);
    if (value && *value)
      return true;
  }
  return false;
}

} // namespace

int main(int argc, char** argv) {
  if (wantsConsole(argc, argv))
    return runConsole(argc, argv);
  if (!hasDisplay()) {
    std::fprintf(stderr,
                 "Verholm: no display found. The program has windows and needs a graphical session.\n"
                 "To run it without one, use a virtual display: xvfb-run -a %s\n",
                 argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Verholm"));
  QCoreApplication::setApplicationName(QStringLiteral("Verholm"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VERHOLM_VERSION));
  vh::prepareApplication(app);
  return vh::runProgram(app, QCoreApplication::applicationDirPath());
}
