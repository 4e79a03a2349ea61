#include "core/app/config.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace vh {

const QString AppConfig::kDefaultDatabaseFileName = QStringLiteral("Verholm.db");

AppConfig::AppConfig(const QString& programFolder) : m_programFolder(programFolder) {
  if (QFileInfo::exists(iniPath())) {
    QSettings ini(iniPath(), QSettings::IniFormat);
    m_databasePath = ini.value(QStringLiteral("Common/DataBasePath")).toString().trimmed();
  }
}

QString AppConfig::iniPath() const { return QDir(m_programFolder).filePath(QStringLiteral("config.ini")); }

QString AppConfig::resolveDatabasePath(const QString& configured, const QString& programFolder) {
  const QDir folder(programFolder);
  if (configured.isEmpty())
    return folder.filePath(kDefaultDatabaseFileName);
  const QString absolute = QDir::isAbsolutePath(configured) ? configured : folder.filePath(configured);
  if (QFileInfo(absolute).isFile())
    return absolute;
  // Appended as it stands, like the configuration always worked: "D:/data/" works, "D:/data" does not.
  if (QDir::isAbsolutePath(configured))
    return configured + kDefaultDatabaseFileName;
  return folder.path() + u'/' + configured + kDefaultDatabaseFileName;
}

} // namespace vh
