#pragma once

#include "core/rates/ratesource.h"

#include <QByteArray>
#include <QString>

#include <chrono>

namespace vh {

// The Bank of Russia's daily rates document over HTTP(S):
// {base}/scripts/XML_daily.asp?date_req=dd/MM/yyyy. The base address comes from
// config.ini so that tests and offices with a mirror can point it elsewhere.
// Proxies are libcurl's own: https_proxy, http_proxy and no_proxy in the
// environment are honoured.
//
// A weekend or holiday date is answered with the rates in force that day (the
// document of the last working day before it), which is a success.
class CbrRateSource final : public RateSource {
public:
  static constexpr std::chrono::milliseconds kMaxTimeout = std::chrono::seconds(15);

  // The timeout bounds the whole request, connection included; it is capped at
  // kMaxTimeout because the window waits for the answer.
  explicit CbrRateSource(QString baseUrl, std::chrono::milliseconds timeout = kMaxTimeout);

  std::optional<DailyRate> fetch(const QString& code, const QDate& date) override;

  // The address asked for the rates of this date.
  QString requestUrl(const QDate& date) const;
  // Why the last fetch failed (also written to the log); empty after a success.
  QString lastError() const { return m_lastError; }

private:
  std::optional<QByteArray> download(const QString& url);
  std::nullopt_t failed(const QString& reason);

  QString m_baseUrl;
  std::chrono::milliseconds m_timeout;
  QString m_lastError;
};

} // namespace vh
