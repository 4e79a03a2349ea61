#pragma once

#include <QString>
#include <QUrl>

#include <chrono>

namespace vh {

// config.ini next to the program: where the database is and where the
// exchange rates come from. A missing file or key is not an error.
class AppConfig final {
public:
  static const QString kDefaultDatabaseFileName; // "Verholm.db"
  static const QString kDefaultRatesBaseUrl;     // the Bank of Russia's public site

  // Reads <programFolder>/config.ini.
  explicit AppConfig(const QString& programFolder);

  QString programFolder() const { return m_programFolder; }
  QString iniPath() const;
  // The raw [Common] DataBasePath value; empty when missing.
  QString configuredDatabasePath() const { return m_databasePath; }
  // The database file the program opens, by the start-up rules.
  QString databasePath() const { return resolveDatabasePath(m_databasePath, m_programFolder); }

  // Empty value: the default file in the program's folder. A value naming an
  // existing file: that file. Anything else: the value with the default file
  // name appended as it stands, so a folder must end in a separator. A
  // relative value counts from the program's folder, never from the current one.
  static QString resolveDatabasePath(const QString& configured, const QString& programFolder);

  // [Rates] BaseUrl: where the daily rates document is asked for; the bank's
  // site unless a mirror or a test server is named.
  QString ratesBaseUrl() const { return m_ratesBaseUrl; }
  // [Rates] TimeoutSeconds: how long a rate request may take, 1 to 15 seconds
  // (15 when missing, unreadable or larger).
  std::chrono::seconds ratesTimeout() const { return m_ratesTimeout; }

private:
  QString m_programFolder;
  QString m_databasePath;
  QString m_ratesBaseUrl = kDefaultRatesBaseUrl;
  std::chrono::seconds m_ratesTimeout;
};

} // namespace vh
