#pragma once

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTest>

// QTEST_MAIN with the program's own set-up: Russian locale, settings kept
// in Qt's test locations so that tests never touch a user's configuration.
#define VH_TEST_MAIN(TestObject)                                                                                       \
  int main(int argc, char** argv) {                                                                                    \
    QStandardPaths::setTestModeEnabled(true);                                                                          \
    QApplication app(argc, argv);                                                                                      \
    QCoreApplication::setOrganizationName(QStringLiteral("Verholm-tests"));                                            \
    QCoreApplication::setApplicationName(QStringLiteral("Verholm-tests"));                                             \
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));                                                   \
    app.setAttribute(Qt::AA_Use96Dpi, true);                                                                           \
    TestObject tc;                                                                                                     \
    QTEST_SET_MAIN_SOURCE_PATH                                                                                         \
    return QTest::qExec(&tc, argc, argv);                                                                              \
  }

// Fails the test with the error's own text when a Result is not ok.
#define VH_VERIFY_OK(expression)                                                                                       \
  do {                                                                                                                 \
    const auto& vhResult_ = (expression);                                                                              \
    QVERIFY2(vhResult_.ok(), vhResult_.ok() ? "" : qPrintable(vhResult_.error().text));                                \
  } while (false)
