// Measures the register with many orders: generating them, the one statement
// that loads them, and filling the grid's model.
//   bench_register [orders=100000] [database path]
#include "core/app/databasesetup.h"
#include "core/db/database.h"
#include "core/register/registerrepository.h"
#include "gui/register/registermodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

namespace {

long peakMemoryMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTextStream out(stdout);
  const int orders = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
  QTemporaryDir dir;
  const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("bench.db"));

  QElapsedTimer timer;
  timer.start();
  // A database given on the command line is reused when it exists.
  if (!QFileInfo::exists(path)) {
    vh::CreateDatabaseOptions options;
    options.adminPassword = QStringLiteral("admin");
    options.demo = true;
    options.demoData.orders = orders;
    options.demoData.userPassword.clear();
    options.demoData.journal = false;
    if (const auto created = vh::createDatabaseFile(path, options); !created) {
      out << "cannot create the database: " << created.error().text << Qt::endl;
      return 1;
    }
    out << "generate " << orders << " orders: " << timer.elapsed() << " ms" << Qt::endl;
  }

  auto db = vh::Database::openSqlite(path);
  if (!db) {
    out << db.error().text << Qt::endl;
    return 1;
  }
  const long before = peakMemoryMb();
  vh::RegisterRepository repository(**db);
  for (int run = 1; run <= 3; ++run) {
    timer.restart();
    auto rows = repository.load();
    const qint64 loadMs = timer.elapsed();
    if (!rows) {
      out << rows.error().text << Qt::endl;
      return 1;
    }
    const size_t count = rows->size();
    timer.restart();
    vh::RegisterModel model;
    model.setRows(std::move(rows).value());
    // Formatting every cell once, as a full scroll through the grid would.
    qsizetype chars = 0;
    for (int r = 0; r < model.rowCount(); ++r)
      for (int c = 0; c < model.columnCount(); ++c)
        chars += model.cellText(r, c).size();
    out << "run " << run << ": load " << count << " active orders " << loadMs << " ms, model " << timer.elapsed()
        << " ms (" << chars << " characters of text)" << Qt::endl;
  }
  timer.restart();
  const auto active = repository.countActive();
  out << "count active: " << timer.elapsed() << " ms (" << (active ? *active : -1) << ")" << Qt::endl;
  out << "peak memory: " << peakMemoryMb() << " MB (" << peakMemoryMb() - before << " MB for the register)" << Qt::endl;
  return 0;
}
