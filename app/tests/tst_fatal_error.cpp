// The fatal stop, in a probe process: its box, its exit status, and that
// the exit handler does not run.
#include <QMessageBox>
#include <QProcess>
#include <QtTest>

#include "app/fatal_error.h"
#include "text/utf8.h"

using namespace lirvane;
using namespace lirvane::gui;

class TestFatalError : public QObject {
  Q_OBJECT

  struct Run {
    int exitCode;
    QString output;
  };

  static Run probe(const QStringList& arguments) {
    QProcess process;
    // Under AddressSanitizer an impossible allocation must fail as it does
    // without it, by returning nothing, rather than stop the process itself.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") +
                                           ":allocator_may_return_null=1");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(FATAL_STOP_PROBE), arguments);
    process.waitForFinished(20000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
  }

 private slots:
  void theBoxText() {
    QCOMPARE(fatalBoxText(textFromUtf8(u8"载入启动窗口失败")),
             QStringLiteral("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"));
    QCOMPARE(allocationFailureMessage(1024), textFromUtf8(u8"分配 1024 字节内存失败!"));
  }

  void stops_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("templates") << QStringList{"message", "载入窗口模板数据段出错!"}
                               << "载入窗口模板数据段出错!";
    QTest::newRow("memory") << QStringList{"memory"}
                            << QString("分配 %1 字节内存失败!").arg(quint64(1) << 62);
    QTest::newRow("from a worker") << QStringList{"worker", "boom"} << "boom";
  }

  void stops() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
    if (arguments[0] == "memory") QSKIP("ThreadSanitizer's allocator reports this itself");
#endif
#endif
    Run run = probe(arguments);
    QCOMPARE(run.exitCode, 255);
    QCOMPARE(run.output, "caption=错误\nicon=" + QString::number(int(QMessageBox::Critical)) +
                             "\ntext=运行时出错!\r\n\r\n错误信息：" + message + "\r\n");
    QVERIFY2(!run.output.contains("exit handler ran"), "the exit handler must not run");
  }
};

QTEST_MAIN(TestFatalError)
#include "tst_fatal_error.moc"
