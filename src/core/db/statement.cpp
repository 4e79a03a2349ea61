#include "core/db/statement.h"

#include "core/common/result.h"
#include "core/db/database.h"
#include "core/db/dialect.h"

#include <QSqlError>

namespace vh {

namespace {

bool isNameStart(QChar c) {
  return c.isLetter() || c == u'_';
}
bool isNameChar(QChar c) {
  return c.isLetterOrNumber() || c == u'_';
}

// Index just past a literal or comment that starts at i, or i when none starts there.
qsizetype skipQuoted(const QString& sql, qsizetype i) {
  const QChar c = sql.at(i);
  if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
    const QChar close = c == u'[' ? QChar(u']') : c;
    for (qsizetype j = i + 1; j < sql.size(); ++j) {
      if (sql.at(j) != close)
        continue;
      // A doubled quote stands for the quote itself.
      if (close != u']' && j + 1 < sql.size() && sql.at(j + 1) == close) {
        ++j;
        continue;
      }
      return j + 1;
    }
    return sql.size();
  }
  if (c == u'-' && i + 1 < sql.size() && sql.at(i + 1) == u'-') {
    const qsizetype end = sql.indexOf(u'\n', i);
    return end < 0 ? sql.size() : end;
  }
  if (c == u'/' && i + 1 < sql.size() && sql.at(i + 1) == u'*') {
    const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
    return end < 0 ? sql.size() : end + 2;
  }
  return i;
}

} // namespace

PositionalStatement toPositional(const QString& sql) {
  PositionalStatement out;
  out.text.reserve(sql.size());
  qsizetype i = 0;
  while (i < sql.size()) {
    const qsizetype skipped = skipQuoted(sql, i);
    if (skipped != i) {
      out.text += QStringView(sql).mid(i, skipped - i);
      i = skipped;
      continue;
    }
    const QChar c = sql.at(i);
    if (c == u':' && i + 1 < sql.size() && sql.at(i + 1) == u':') {
      out.text += QStringLiteral("::");
      i += 2;
      continue;
    }
    if (c == u':' && i + 1 < sql.size() && isNameStart(sql.at(i + 1))) {
      qsizetype end = i + 1;
      while (end < sql.size() && isNameChar(sql.at(end)))
        ++end;
      out.names.append(sql.mid(i + 1, end - i - 1));
      out.text += u'?';
      i = end;
      continue;
    }
    out.text += c;
    ++i;
  }
  return out;
}

QString likeContains(const QString& text) {
  QString escaped;
  escaped.reserve(text.size() + 4);
  escaped += u'%';
  for (const QChar c : text) {
    if (c == u'%' || c == u'_' || c == u'\\')
      escaped += u'\\';
    escaped += c;
  }
  escaped += u'%';
  return escaped;
}

Statement::Statement(Database& db, const QString& sql) :
    m_db(db), m_sql(sql), m_positional(toPositional(sql)), m_query(db.connection()) {
  m_query.setForwardOnly(true);
  if (!m_query.prepare(m_positional.text))
    failWithEngineError();
}

Statement& Statement::bind(const QString& name, const QVariant& value) {
  // A null QString would reach the engine as NULL; an empty text is meant.
  if (value.metaType().id() == QMetaType::QString && value.toString().isNull()) {
    m_values.insert(name, QVariant(QString::fromLatin1("")));
    return *this;
  }
  m_values.insert(name, m_db.dialect().toEngine(value));
  return *this;
}

Statement& Statement::bindNull(const QString& name) {
  m_values.insert(name, QVariant());
  return *this;
}

void Statement::exec() {
  for (int i = 0; i < m_positional.names.size(); ++i) {
    const QString& name = m_positional.names.at(i);
    const auto it = m_values.constFind(name);
    if (it == m_values.constEnd())
      fail(QStringLiteral("Не задано значение параметра :%1 в запросе\n%2").arg(name, m_sql));
    m_query.bindValue(i, *it);
  }
  if (!m_query.exec())
    failWithEngineError();
  m_record = m_query.record();
}

qint64 Statement::insert() {
  if (m_db.dialect().insertReturnsId()) {
    // Engines without a last-insert-ID report the key through the insert itself.
    if (!m_returning) {
      m_returning = true;
      if (!m_query.prepare(m_positional.text + QStringLiteral(" RETURNING ID")))
        failWithEngineError();
    }
    if (!first())
      fail(QStringLiteral("База данных не сообщила номер новой записи."));
    return m_query.value(0).toLongLong();
  }
  exec();
  const QVariant id = m_query.lastInsertId();
  if (!id.isValid())
    fail(QStringLiteral("База данных не сообщила номер новой записи."));
  return id.toLongLong();
}

bool Statement::next() {
  return m_query.next();
}

bool Statement::first() {
  exec();
  return next();
}

int Statement::columnIndex(const QString& column) const {
  const int index = m_record.indexOf(column);
  if (index < 0)
    fail(QStringLiteral("В результате запроса нет столбца %1:\n%2").arg(column, m_sql));
  return index;
}

QVariant Statement::value(const QString& column) const {
  return m_query.value(columnIndex(column));
}

bool Statement::isNull(const QString& column) const {
  return m_query.isNull(columnIndex(column));
}

QString Statement::text(const QString& column) const {
  return value(column).toString();
}

qint64 Statement::integer(const QString& column) const {
  return value(column).toLongLong();
}

double Statement::number(const QString& column) const {
  return value(column).toDouble();
}

bool Statement::boolean(const QString& column) const {
  const QVariant v = value(column);
  if (v.metaType().id() == QMetaType::QString) {
    const QString s = v.toString().trimmed().toLower();
    return s == u"1" || s == u"true" || s == u"t";
  }
  return v.toLongLong() != 0 || v.toBool();
}

QDateTime Statement::dateTime(const QString& column) const {
  return dateTimeFromEngine(value(column));
}

QByteArray Statement::bytes(const QString& column) const {
  return value(column).toByteArray();
}

void Statement::failWithEngineError() const {
  const QSqlError error = m_query.lastError();
  fail(error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

} // namespace vh
