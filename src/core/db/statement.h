#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace vh {

class Database;

// A statement text with its named parameters turned into positional ones.
struct PositionalStatement final {
  QString text;      // ':Имя' replaced by '?'
  QStringList names; // the name behind each '?', in order; a name may repeat
};

// Rewrites ":Имя" (letters of any alphabet, digits, '_') to '?', leaving
// quoted literals, quoted identifiers, comments and '::' casts untouched. Qt
// binds only ASCII names, so the statements can keep their readable Cyrillic
// parameter names this way.
PositionalStatement toPositional(const QString& sql);

// Escapes '%', '_' and '\' in a user's text and wraps it in '%', for
// "lower(col) LIKE lower(:p) ESCAPE '\'": the text matches anywhere, literally.
QString likeContains(const QString& text);

// One statement on the program's connection: prepare, bind by name, run, read
// columns by name. Every failure throws Failure with the engine's text, to be
// caught by attempt() at the repository's edge.
class Statement final {
public:
  Statement(Database& db, const QString& sql);

  Statement& bind(const QString& name, const QVariant& value);
  // Binds SQL NULL.
  Statement& bindNull(const QString& name);

  void exec();
  // Runs an INSERT and returns the key the database gave the new row.
  qint64 insert();
  bool next();
  // Runs the statement and reports whether it returned at least one row (positioned on it).
  bool first();

  QVariant value(const QString& column) const;
  bool isNull(const QString& column) const;
  QString text(const QString& column) const;
  qint64 integer(const QString& column) const;
  double number(const QString& column) const;
  bool boolean(const QString& column) const;
  QDateTime dateTime(const QString& column) const;
  QByteArray bytes(const QString& column) const;
  QVariant value(int column) const { return m_query.value(column); }

  int rowsAffected() const { return m_query.numRowsAffected(); }

private:
  int columnIndex(const QString& column) const;
  [[noreturn]] void failWithEngineError() const;

  Database& m_db;
  QString m_sql;
  PositionalStatement m_positional;
  QHash<QString, QVariant> m_values;
  QSqlQuery m_query;
  QSqlRecord m_record;
  bool m_returning = false;
};

} // namespace vh
