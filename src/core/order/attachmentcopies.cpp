#include "core/order/attachmentcopies.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace vh {

Result<QString> attachmentCopyFolder(const QString& userName) {
  QString user = userName;
  user.replace(QRegularExpression(QStringLiteral("[^\\w.-]")), QStringLiteral("_"));
  const QString path =
      QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation)).filePath(QStringLiteral("Verholm-") + user);
  if (!QDir().mkpath(path))
    return Error{QStringLiteral("Не удается создать папку «%1».").arg(QDir::toNativeSeparators(path))};
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return path;
}

Result<QString> writeAttachmentCopy(const QString& folder, const QString& name, const QByteArray& content) {
  const QString fileName = QFileInfo(QString(name).replace(u'\\', u'/')).fileName();
  if (fileName.isEmpty() || fileName == u"." || fileName == u"..")
    return Error{QStringLiteral("Недопустимое имя файла «%1».").arg(name)};
  const QString path = QDir(folder).filePath(fileName);
  const Result<void> written = writeFileContent(path, content);
  if (!written)
    return written.error();
  return path;
}

Result<QByteArray> readFileContent(const QString& path) {
  QFile file(path);
  QByteArray content;
  if (file.open(QIODevice::ReadOnly)) {
    content = file.readAll();
    if (file.error() == QFileDevice::NoError)
      return content;
  }
  return Error{
      QStringLiteral("Не удается прочитать файл «%1»: %2").arg(QDir::toNativeSeparators(path), file.errorString())};
}

Result<void> writeFileContent(const QString& path, const QByteArray& content) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
    return Error{
        QStringLiteral("Не удается записать файл «%1»: %2").arg(QDir::toNativeSeparators(path), file.errorString())};
  return {};
}

} // namespace vh
