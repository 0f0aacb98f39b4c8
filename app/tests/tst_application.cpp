// The program's life as a whole, in a probe process: start-up shows the
// window with g_matcher made, and closing it ends the program with 0 after
// g_matcher is destroyed.
#include <QProcess>
#include <QtTest>

class TestApplication : public QObject {
  Q_OBJECT

 private slots:
  void closingTheWindowEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("close button") << "close";
    QTest::newRow("escape") << "escape";
  }

  void closingTheWindowEndsTheProgram() {
    QFETCH(QString, how);
    QProcess process;
    process.start(QStringLiteral(RUN_PROBE), {how});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
             QStringLiteral("window shown, matcher alive\nloop ended, matcher destroyed\n"));
  }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
