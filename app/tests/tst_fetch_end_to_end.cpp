// A press of the fetch button against the sample playlist service, through
// the proxy setting: rows, columns and the summary; the button meanwhile.
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "app/fetch_launcher.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/number_edit.h"
#include "app/song_list_model.h"
#include "app/tests/event_loop_wait.h"
#include "regex/regex_matcher.h"
#include "tools/loopback_http/loopback_http_server.h"
#include "tools/sample_service/sample_playlists.h"

using namespace lirvane;
using namespace lirvane::gui;
using lirvane::gui::testing::runUntil;
using namespace lirvane::tools;

class TestFetchEndToEnd : public QObject {
  Q_OBJECT

  void fetch(const QString& number) {
    window_->numberBox()->setText(number);
    QTest::mouseClick(window_->fetchButton(), Qt::LeftButton);
  }

  void waitForTheEnd() {
    QVERIFY(runUntil([this] {
      return window_->fetchButton()->isEnabled() &&
             window_->fetchButton()->text() == QStringLiteral("获取");
    }));
  }

  QString status() const { return window_->statusPart()->text(); }
  QString cell(int row, int column) const { return window_->songs()->cellText(row, column); }

 private slots:
  void initTestCase() {
    QVERIFY(service_.port() != 0);
    serveSamplePlaylists(service_);
    useAsProxy(service_);
  }

  void init() {
    window_ = new MainWindow();
    controls_ = std::make_unique<MainWindowControls>(window_);
    launcher_ = std::make_unique<FetchLauncher>(*controls_, matcher_);
    connect(window_, &MainWindow::fetchRequested, window_, [this] { launcher_->start(); });
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
  }

  void cleanup() {
    waitForTheEnd();
    launcher_.reset();
    delete window_.data();
    controls_.reset();
  }

  void threeSongs() {
    fetch("100200300");
    waitForTheEnd();
    QCOMPARE(window_->songs()->rowCount(), 3);
    QCOMPARE(cell(0, 0), QStringLiteral("晴天-周杰伦"));
    QCOMPARE(cell(0, 1), QStringLiteral("http://music.example.com/qingtian.mp3"));
    QCOMPARE(cell(1, 0), QStringLiteral("Hello-Adele"));
    QCOMPARE(cell(2, 0), QStringLiteral("茉莉花-"));
    QCOMPARE(status(), QStringLiteral("QQ:100200300 获取完成,空间音乐总数:3首"));
  }

  void theButtonDuringAndAfter() {
    fetch("2");  // ten songs that trickle in
    QVERIFY(!window_->fetchButton()->isEnabled());
    QVERIFY(runUntil([this] { return status() == QStringLiteral("获取中.."); }));
    QCOMPARE(window_->fetchButton()->text(), QStringLiteral("获取中.."));
    QVERIFY(!window_->fetchButton()->isEnabled());
    // A second press on the disabled button starts nothing.
    QTest::mouseClick(window_->fetchButton(), Qt::LeftButton);
    waitForTheEnd();
    QCOMPARE(window_->songs()->rowCount(), 10);
    QCOMPARE(status(), QStringLiteral("QQ:2 获取完成,空间音乐总数:10首"));
  }

  void aSecondFetchReplacesTheRows() {
    fetch("100200300");
    waitForTheEnd();
    fetch("10001");
    waitForTheEnd();
    QCOMPARE(window_->songs()->rowCount(), 5);
    QCOMPARE(cell(0, 0), QStringLiteral("红豆-王菲"));
  }

  void answersWithoutSongs_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("rowsAfter");
    QTest::newRow("empty answer keeps the rows") << "0" << 3;
    QTest::newRow("error page empties the list") << "404" << 0;
    QTest::newRow("no songs empties the list") << "1" << 0;
  }

  void answersWithoutSongs() {
    QFETCH(QString, number);
    QFETCH(int, rowsAfter);
    fetch("100200300");
    waitForTheEnd();
    fetch(number);
    waitForTheEnd();
    QCOMPARE(window_->songs()->rowCount(), rowsAfter);
    QCOMPARE(status(), "QQ:" + number + " 获取完成,空间音乐总数:0首");
  }

  void aGeneratedPlaylist() {
    fetch("2000");
    waitForTheEnd();
    QCOMPARE(window_->songs()->rowCount(), 2000);
    QCOMPARE(status(), QStringLiteral("QQ:2000 获取完成,空间音乐总数:2000首"));
  }

 private:
  LoopbackHttpServer service_;
  RegexMatcher matcher_;
  QPointer<MainWindow> window_;
  std::unique_ptr<MainWindowControls> controls_;
  std::unique_ptr<FetchLauncher> launcher_;
};

QTEST_MAIN(TestFetchEndToEnd)
#include "tst_fetch_end_to_end.moc"
