#include "core/rates/cbrratesource.h"

#include "core/rates/dailyrates.h"

#include <QLoggingCategory>

#include <curl/curl.h>

#include <algorithm>
#include <memory>

namespace vh {

namespace {

Q_LOGGING_CATEGORY(lcRates, "verholm.rates")

// The daily document is some ten kilobytes; anything far larger is not it,
// and reading it whole would only cost memory.
constexpr qsizetype kMaxDocumentBytes = 4 * 1024 * 1024;
constexpr char kUserAgent[] = "Verholm/" VERHOLM_VERSION;

size_t appendToBody(char* data, size_t size, size_t count, void* target) {
  auto* body = static_cast<QByteArray*>(target);
  const auto bytes = static_cast<qsizetype>(size * count);
  if (body->size() + bytes > kMaxDocumentBytes)
    return 0; // libcurl stops the transfer with a write error
  body->append(data, bytes);
  return static_cast<size_t>(bytes);
}

void initialiseCurl() {
  // Once per process, before the first handle: curl_easy_init would do it
  // implicitly, but not safely if two threads got there first.
  [[maybe_unused]] static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
}

struct CurlCleanup final {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

} // namespace

CbrRateSource::CbrRateSource(QString baseUrl, std::chrono::milliseconds timeout) :
    m_baseUrl(std::move(baseUrl)), m_timeout(std::clamp(timeout, std::chrono::milliseconds(1), kMaxTimeout)) {
  initialiseCurl();
}

QString CbrRateSource::requestUrl(const QDate& date) const {
  QString base = m_baseUrl.trimmed();
  while (base.endsWith(u'/'))
    base.chop(1);
  return base + QStringLiteral("/scripts/XML_daily.asp?date_req=") + date.toString(u"dd/MM/yyyy");
}

std::optional<DailyRate> CbrRateSource::fetch(const QString& code, const QDate& date) {
  m_lastError.clear();
  const QString wanted = code.trimmed();
  if (wanted.isEmpty() || !date.isValid())
    return failed(QStringLiteral("no currency code or date to ask for"));
  const QString url = requestUrl(date);
  const std::optional<QByteArray> document = download(url);
  if (!document)
    return std::nullopt;
  const auto rates = parseDailyRates(*document);
  if (!rates)
    return failed(QStringLiteral("%1: the answer is not a daily rates document").arg(url));
  const auto found = rates->constFind(wanted);
  if (found == rates->cend())
    return failed(QStringLiteral("%1: %2 is not quoted").arg(url, wanted));
  return *found;
}

std::optional<QByteArray> CbrRateSource::download(const QString& url) {
  const std::unique_ptr<CURL, CurlCleanup> curl(curl_easy_init());
  if (!curl)
    return failed(QStringLiteral("cannot start a web request"));
  const QByteArray address = url.toUtf8();
  QByteArray body;
  char errorText[CURL_ERROR_SIZE] = {};
  CURL* handle = curl.get();
  curl_easy_setopt(handle, CURLOPT_URL, address.constData());
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_timeout.count()));
  curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(m_timeout.count()));
  // No signals: the timeout must also hold while a host name is resolved,
  // without disturbing the rest of the program.
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_USERAGENT, kUserAgent);
  curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, ""); // any compression libcurl can undo
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, appendToBody);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
  curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);

  const CURLcode code = curl_easy_perform(handle);
  if (code != CURLE_OK) {
    const QString reason = errorText[0] ? QString::fromUtf8(errorText) : QString::fromUtf8(curl_easy_strerror(code));
    return failed(QStringLiteral("%1: %2").arg(url, reason));
  }
  // An error page arrives with CURLE_OK too; only the document itself will do.
  long status = 0;
  curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
  if (status != 200)
    return failed(QStringLiteral("%1: the server answered HTTP %2").arg(url).arg(status));
  return body;
}

std::nullopt_t CbrRateSource::failed(const QString& reason) {
  m_lastError = reason;
  qCWarning(lcRates).noquote() << "exchange rate not fetched:" << reason;
  return std::nullopt;
}

} // namespace vh
