// The program's life as a whole, in a probe process: start-up shows the
// window with g_matcher made, and closing it ends the program with 0 after
// g_matcher is destroyed, also in the middle of a fetch from the sample
// playlist service.
#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include "tools/loopback_http/loopback_http_server.h"
#include "tools/sample_service/sample_playlists.h"

using namespace lirvane::tools;

class TestApplication : public QObject {
  Q_OBJECT

  struct Run {
    int exitCode;
    QString output;
  };

  Run probe(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("http_proxy", QString::fromStdString(service_.origin()));
    environment.remove("no_proxy");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RUN_PROBE), arguments);
    if (!process.waitForFinished(30000)) process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput())};
  }

 private slots:
  void initTestCase() {
    QVERIFY(service_.port() != 0);
    serveSamplePlaylists(service_);
  }

  void closingTheWindowEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("close button") << "close";
    QTest::newRow("escape") << "escape";
  }

  void closingTheWindowEndsTheProgram() {
    QFETCH(QString, how);
    Run run = probe({how});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.output,
             QStringLiteral("window shown, matcher alive\nloop ended, matcher destroyed\n"));
  }

  // The download is aborted, the listing stops; the matcher goes only after
  // the fetch has stopped using it.
  void escapeDuringAFetchEndsTheProgram_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("when");
    QTest::newRow("a stalled download") << "3"
                                        << "downloading";
    QTest::newRow("listing 100,000 songs") << "100000"
                                           << "listing";
  }

  void escapeDuringAFetchEndsTheProgram() {
    QFETCH(QString, number);
    QFETCH(QString, when);
    Run run = probe({"fetch-escape", number, when});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.output, "window shown, matcher alive\nescape while " + when +
                             "\nloop ended, matcher destroyed\n");
  }

 private:
  LoopbackHttpServer service_;
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
