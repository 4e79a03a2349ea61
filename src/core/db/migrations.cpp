#include "core/db/migrations.h"

#include "core/common/result.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace vh {

QStringList splitSqlScript(const QString& script) {
  QStringList out;
  QString current;
  QChar quote;
  bool lineComment = false;
  for (qsizetype i = 0; i < script.size(); ++i) {
    const QChar c = script.at(i);
    if (lineComment) {
      if (c == u'\n')
        lineComment = false;
      continue;
    }
    if (!quote.isNull()) {
      current += c;
      if (c == quote)
        quote = QChar();
      continue;
    }
    if (c == u'-' && i + 1 < script.size() && script.at(i + 1) == u'-') {
      lineComment = true;
      continue;
    }
    if (c == u'\'' || c == u'"') {
      quote = c;
      current += c;
      continue;
    }
    if (c == u';') {
      if (!current.trimmed().isEmpty())
        out.append(current.trimmed());
      current.clear();
      continue;
    }
    current += c;
  }
  if (!current.trimmed().isEmpty())
    out.append(current.trimmed());
  return out;
}

QList<Migration> loadMigrations(const QString& folder) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d+)_.*\\.sql$"));
  QList<Migration> out;
  const QStringList files = QDir(folder).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
  for (const QString& file : files) {
    const auto match = pattern.match(file);
    if (!match.hasMatch())
      continue;
    QFile f(folder + u'/' + file);
    if (!f.open(QIODevice::ReadOnly))
      fail(QStringLiteral("Не удается прочитать сценарий базы данных %1.").arg(file));
    out.append({match.captured(1).toInt(), file, splitSqlScript(QString::fromUtf8(f.readAll()))});
  }
  std::sort(out.begin(), out.end(), [](const Migration& a, const Migration& b) { return a.version < b.version; });
  return out;
}

} // namespace vh
