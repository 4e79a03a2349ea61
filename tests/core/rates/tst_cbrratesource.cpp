#include "core/rates/cbrratesource.h"
#include "support/httpserver.h"
#include "support/testmain.h"

using namespace vh;
using test::HttpServer;
using namespace std::chrono_literals;

namespace {

const QDate kFriday(2026, 12, 11);
const QString kFridayTarget = QStringLiteral("/scripts/XML_daily.asp?date_req=11/12/2026");

QString dataFile(const QString& name) {
  return qEnvironmentVariable("VERHOLM_TEST_DATA") + QStringLiteral("/rates/") + name;
}

HttpServer::Response bankDocument() {
  return HttpServer::file(dataFile(QStringLiteral("daily-windows-1251.xml")), "application/xml; charset=windows-1251");
}

// Short enough that the test of a silent server does not drag on.
constexpr auto kTestTimeout = 700ms;

} // namespace

class TestCbrRateSource : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void initTestCase() {
    // A proxy set on the machine must not stand between the tests and their own server.
    qputenv("no_proxy", "127.0.0.1,localhost");
  }

  void buildsTheRequestAddress_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("url");
    QTest::newRow("the bank") << "https://www.cbr.ru" << QDate(2026, 3, 5)
                              << "https://www.cbr.ru/scripts/XML_daily.asp?date_req=05/03/2026";
    QTest::newRow("a mirror under a path, slashes and blanks around")
        << "  http://mirror.local/cbr//  " << QDate(2026, 12, 31)
        << "http://mirror.local/cbr/scripts/XML_daily.asp?date_req=31/12/2026";
  }
  void buildsTheRequestAddress() {
    QFETCH(QString, base);
    QFETCH(QDate, date);
    QTEST(CbrRateSource(base).requestUrl(date), "url");
  }

  void readsTheRateOfTheDay_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("nominal");
    QTest::addColumn<double>("unitRate");
    QTest::addColumn<QString>("name");
    const QString bank = QStringLiteral("daily-windows-1251.xml");
    QTest::newRow("dollar") << bank << kFriday << "USD" << 78.4512 << 1 << 78.4512 << "Доллар США";
    QTest::newRow("euro") << bank << kFriday << "EUR" << 91.2345 << 1 << 91.2345 << "Евро";
    QTest::newRow("tenge per 100 units") << bank << kFriday << "KZT" << 15.3216 << 100 << 0.1532
                                         << "Казахстанских тенге";
    // The service answers a Sunday with the rates in force: Friday's document.
    QTest::newRow("Sunday answered with Friday's rates")
        << bank << QDate(2026, 12, 13) << "CNY" << 10.8034 << 1 << 10.8034 << "Китайский юань";
    QTest::newRow("UTF-8 document without unit rates")
        << "daily-utf-8.xml" << QDate(2026, 3, 5) << "HUF" << 23.0456 << 100 << 0.2305 << "Венгерских форинтов";
  }
  void readsTheRateOfTheDay() {
    QFETCH(QString, file);
    QFETCH(QDate, date);
    QFETCH(QString, code);
    HttpServer server;
    // Served only at the exact address, so a wrongly written date gets a 404;
    // no charset in the header: the document's own declaration decides.
    const QString target = QStringLiteral("/scripts/XML_daily.asp?date_req=") + date.toString(u"dd/MM/yyyy");
    server.serve(target, HttpServer::file(dataFile(file), "application/xml"));

    CbrRateSource source(server.url(), kTestTimeout);
    const std::optional<DailyRate> rate = source.fetch(code, date);
    QVERIFY2(rate, qPrintable(source.lastError()));
    QTEST(rate->value, "value");
    QTEST(rate->nominal, "nominal");
    QTEST(rate->unitRate, "unitRate");
    QTEST(rate->name, "name");
    QVERIFY(source.lastError().isEmpty());

    const QList<HttpServer::Request> requests = server.requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].method, QByteArray("GET"));
    QCOMPARE(requests[0].target, target);
    QVERIFY(requests[0].headers.value("user-agent").startsWith("Verholm/"));
  }

  void followsRedirects() {
    HttpServer server;
    server.serve(kFridayTarget, {302, {}, {{"Location", "/archive/XML_daily.xml"}}, false});
    server.serve(QStringLiteral("/archive/XML_daily.xml"), bankDocument());
    CbrRateSource source(server.url(), kTestTimeout);
    const std::optional<DailyRate> rate = source.fetch(QStringLiteral("USD"), kFriday);
    QVERIFY2(rate, qPrintable(source.lastError()));
    QCOMPARE(rate->unitRate, 78.4512);
    QCOMPARE(server.requests().size(), 2);
  }

  // Every way of not getting the rate is a plain failure with its reason logged.
  void failsWithoutTheRate_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("reason");
    const QByteArray document = bankDocument().body;
    QTest::newRow("not found") << 404 << QByteArray("<html><body>Not Found</body></html>") << QByteArray() << "USD"
                               << "HTTP 404";
    QTest::newRow("server error carrying a document") << 500 << document << QByteArray() << "USD"
                                                      << "HTTP 500";
    QTest::newRow("currency not quoted") << 200 << document << QByteArray() << "XDR"
                                         << "XDR is not quoted";
    QTest::newRow("malformed document") << 200 << document.left(document.size() / 2) << QByteArray() << "USD"
                                        << "not a daily rates document";
    QTest::newRow("an HTML page") << 200 << QByteArray("<html><body>Технические работы</body></html>") << QByteArray()
                                  << "USD"
                                  << "not a daily rates document";
    QTest::newRow("empty answer") << 200 << QByteArray() << QByteArray() << "USD"
                                  << "not a daily rates document";
    QTest::newRow("endless redirects") << 302 << QByteArray() << kFridayTarget.toUtf8() << "USD"
                                       << "redirect";
  }
  void failsWithoutTheRate() {
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, location);
    QFETCH(QString, code);
    QFETCH(QString, reason);
    HttpServer server;
    HttpServer::Response response{status, body, {{"Content-Type", "application/xml; charset=windows-1251"}}, false};
    if (!location.isEmpty())
      response.headers.append({"Location", location});
    server.serveAll(response);

    CbrRateSource source(server.url(), kTestTimeout);
    QVERIFY(!source.fetch(code, kFriday));
    QVERIFY2(source.lastError().contains(reason, Qt::CaseInsensitive), qPrintable(source.lastError()));
  }

  // A server that takes the connection and never answers, and one that is not
  // there: both end in a failure within the timeout instead of a hung window.
  void failsWhenNoAnswerComes_data() {
    QTest::addColumn<bool>("listening");
    QTest::newRow("silent server") << true;
    QTest::newRow("nothing listening") << false;
  }
  void failsWhenNoAnswerComes() {
    QFETCH(bool, listening);
    auto server = std::make_unique<HttpServer>();
    server->serveAll({200, {}, {}, true});
    const QString url = server->url();
    if (!listening)
      server.reset();

    CbrRateSource source(url, kTestTimeout);
    QVERIFY(!source.fetch(QStringLiteral("USD"), kFriday));
    QVERIFY(!source.lastError().isEmpty());
    if (listening)
      QCOMPARE(server->requests().size(), 1);
  }

  void asksNothingWithoutCodeOrDate() {
    HttpServer server;
    server.serveAll(bankDocument());
    CbrRateSource source(server.url(), kTestTimeout);
    QVERIFY(!source.fetch(QString(), kFriday));
    QVERIFY(!source.fetch(QStringLiteral("USD"), QDate()));
    QVERIFY(server.requests().isEmpty());
  }

  // Offices behind a proxy set it in the environment, as for any libcurl program.
  void goesThroughTheProxyOfTheEnvironment() {
    HttpServer proxy;
    proxy.serveAll(bankDocument());
    qputenv("http_proxy", proxy.url().toUtf8());
    CbrRateSource source(QStringLiteral("http://rates.invalid"), kTestTimeout);
    const std::optional<DailyRate> rate = source.fetch(QStringLiteral("EUR"), kFriday);
    qunsetenv("http_proxy");
    QVERIFY2(rate, qPrintable(source.lastError()));
    QCOMPARE(rate->unitRate, 91.2345);
    QCOMPARE(proxy.requests().value(0).target, QStringLiteral("http://rates.invalid") + kFridayTarget);
  }
};

VH_TEST_MAIN(TestCbrRateSource)
#include "tst_cbrratesource.moc"
