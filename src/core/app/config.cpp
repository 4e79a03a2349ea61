#include "core/app/config.h"

#include "core/rates/cbrratesource.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace vh {

const QString AppConfig::kDefaultDatabaseFileName = QStringLiteral("Verholm.db");
const QString AppConfig::kDefaultRatesBaseUrl = QStringLiteral("https://www.cbr.ru");

namespace {

constexpr auto kMaxRatesTimeout = std::chrono::duration_cast<std::chrono::seconds>(CbrRateSource::kMaxTimeout);

std::chrono::seconds readTimeout(const QVariant& configured) {
  bool ok = false;
  const int seconds = configured.toString().trimmed().toInt(&ok);
  if (!ok || seconds <= 0)
    return kMaxRatesTimeout;
  return std::min(std::chrono::seconds(seconds), kMaxRatesTimeout);
}

} // namespace

AppConfig::AppConfig(const QString& programFolder) : m_programFolder(programFolder), m_ratesTimeout(kMaxRatesTimeout) {
  if (QFileInfo::exists(iniPath())) {
    QSettings ini(iniPath(), QSettings::IniFormat);
    m_databasePath = ini.value(QStringLiteral("Common/DataBasePath")).toString().trimmed();
    const QString baseUrl = ini.value(QStringLiteral("Rates/BaseUrl")).toString().trimmed();
    if (!baseUrl.isEmpty())
      m_ratesBaseUrl = baseUrl;
    m_ratesTimeout = readTimeout(ini.value(QStringLiteral("Rates/TimeoutSeconds")));
  }
}

QString AppConfig::iniPath() const {
  return QDir(m_programFolder).filePath(QStringLiteral("config.ini"));
}

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
