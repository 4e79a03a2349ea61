#pragma once

#include "core/app/config.h"
#include "core/journal/journalwriter.h"
#include "core/rates/ratesource.h"
#include "core/rights/session.h"

#include <memory>

namespace vh {

class Database;

// What every window of a run shares: the database, the configuration, and
// from login on the user's session and the journal writer.
class AppContext final {
public:
  AppContext(Database& db, AppConfig config) : m_db(db), m_config(std::move(config)) {}

  Database& db() { return m_db; }
  const AppConfig& config() const { return m_config; }

  const Session& session() const { return m_session; }
  void startSession(Session session) {
    m_session = std::move(session);
    m_journal = std::make_unique<JournalWriter>(m_db, m_session.user.login);
  }
  // Valid after login.
  JournalWriter& journal() { return *m_journal; }

  // The exchange-rate service; start-up installs the real one, tests a scripted one.
  void setRateSource(std::unique_ptr<RateSource> source) { m_rates = std::move(source); }
  RateSource* rateSource() { return m_rates.get(); }

private:
  Database& m_db;
  AppConfig m_config;
  Session m_session;
  std::unique_ptr<JournalWriter> m_journal;
  std::unique_ptr<RateSource> m_rates;
};

} // namespace vh
