// Hostile answers from the playlist service and hostile text in the number
// box, each through the window: what the list, the summary and the button
// show afterwards, and what went on the wire.
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
#include "fetch/playlist_response.h"
#include "port/http_client.h"
#include "regex/regex_matcher.h"
#include "tools/loopback_http/loopback_http_server.h"
#include "tools/sample_service/sample_playlists.h"

using namespace lirvane;
using namespace lirvane::gui;
using lirvane::gui::testing::runUntil;

class TestHostileInput : public QObject {
  Q_OBJECT

  // Fetches `number` as typed (or pasted) and waits for the button to come
  // back.
  void fetch(const QString& number) {
    window_->numberBox()->setText(number);
    launcher_->start();
    // A hundred thousand songs take a while under sanitizers.
    QVERIFY(runUntil(
        [this] {
          return window_->fetchButton()->isEnabled() &&
                 window_->fetchButton()->text() == QStringLiteral("获取");
        },
        240000));
  }

  QString status() const { return window_->statusPart()->text(); }

 private slots:
  void initTestCase() {
    QVERIFY(service_.port() != 0);
    tools::serveSamplePlaylists(service_);
    tools::useAsProxy(service_);
    // The minute-long limits of the program, shortened so the test waits
    // seconds; long enough still for the service to generate 100,000 songs
    // on a loaded machine under sanitizers.
    setPlaylistRequestLimits({.stallTimeout = std::chrono::seconds(8),
                              .lowSpeedBytes = 100,
                              .lowSpeedWindow = std::chrono::seconds(8)});
  }

  void init() {
    window_ = new MainWindow();
    controls_ = std::make_unique<MainWindowControls>(window_);
    launcher_ = std::make_unique<FetchLauncher>(*controls_, matcher_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
  }

  void cleanup() {
    launcher_.reset();
    delete window_.data();
    controls_.reset();
  }

  void hostileAnswers_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("songs");  // -1: nothing came, the earlier rows stay
    QTest::newRow("100 MB body") << 5 << 3;
    QTest::newRow("endless body") << 6 << 3;
    QTest::newRow("one byte a second") << 7 << 3;
    QTest::newRow("closed after the headers") << 8 << -1;
    QTest::newRow("headers without the body") << 9 << -1;
    QTest::newRow("redirect loop") << 10 << -1;
    QTest::newRow("redirect to file:") << 11 << -1;
    QTest::newRow("redirect to ftp:") << 12 << -1;
    QTest::newRow("garbage status line") << 13 << -1;
    QTest::newRow("Content-Length -1") << 14 << 3;
    QTest::newRow("Content-Length 99999999999999999999") << 15 << 3;
    QTest::newRow("Content-Length 12abc") << 16 << 3;
    QTest::newRow("a zero byte after the first song") << 17 << 1;
    QTest::newRow("invalid code page 936") << 18 << 3;
    QTest::newRow("CRLF lines") << 19 << 0;
    QTest::newRow("10 MB line of CDATA openings") << 20 << 3;
    QTest::newRow("reset in the middle") << 4 << 1;
    QTest::newRow("stalled download") << 3 << 0;
    QTest::newRow("100,000 songs") << 100000 << 100000;
  }

  void hostileAnswers() {
    QFETCH(int, number);
    QFETCH(int, songs);
    fetch(QStringLiteral("10001"));  // five rows that an empty answer leaves
    QCOMPARE(window_->songs()->rowCount(), 5);
    fetch(QString::number(number));
    int count = songs < 0 ? 0 : songs;
    QCOMPARE(status(), QStringLiteral("QQ:%1 获取完成,空间音乐总数:%2首").arg(number).arg(count));
    QCOMPARE(window_->songs()->rowCount(), songs < 0 ? 5 : songs);
    if (songs > 0 && number < 100) {
      QCOMPARE(window_->songs()->cellText(0, 0), QStringLiteral("晴天-周杰伦"));
    }
  }

  void hostileNumbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("shown");  // on the summary line; empty: as typed
    const QByteArray path = "/fcg-bin/cgi_playlist_xml.fcg?uin=";
    QTest::newRow("CR LF and a header")
        << "1\r\nX-Injected: yes" << path + "1%0D%0AX-Injected:%20yes" << QString();
    QTest::newRow("tabs and controls")
        << QString("1\t2\x01\x7F") << path + "1%092%01%7F" << QString();
    QTest::newRow("hash cuts") << "123#456" << path + "123" << QString();
    QTest::newRow("percent") << "100%" << path + "100%25" << QString();
    QTest::newRow("full-width digits") << "１２３" << path + "%A3%B1%A3%B2%A3%B3" << QString();
    QTest::newRow("no mapping in code page 936")
        << QString::fromUtf16(u"1\U0001F600") + QChar(0xD800) << path + "1???"
        << "1???";
    QTest::newRow("10,000 characters")
        << QString(10000, u'9') << path + QByteArray(10000, '9') << QString();
  }

  void hostileNumbers() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, target);
    QFETCH(QString, shown);
    tools::LoopbackHttpServer proxy;
    proxy.on(tools::kPlaylistPath,
             [](tools::Connection& c) { tools::answerPlaylist(c, "100200300"); });
    tools::useAsProxy(proxy);
    fetch(typed);
    tools::useAsProxy(service_);
    auto requests = proxy.requests();
    QCOMPARE(int(requests.size()), 1);
    QByteArray request = QByteArray::fromStdString(requests[0]);
    QByteArray expected =
        "GET http://qzone-music.qq.com" + target +
        " HTTP/1.0\r\nHost: qzone-music.qq.com\r\nUser-Agent: " + QByteArray(kAgentString) +
        "\r\nAccept: */*\r\n\r\n";
    QCOMPARE(request, expected);
    // The summary shows the box as it is (in code page 936, as the platform
    // reads it), whatever went on the wire.
    QCOMPARE(status(), "QQ:" + (shown.isEmpty() ? typed : shown) + " 获取完成,空间音乐总数:3首");
  }

 private:
  tools::LoopbackHttpServer service_;
  RegexMatcher matcher_;
  QPointer<MainWindow> window_;
  std::unique_ptr<MainWindowControls> controls_;
  std::unique_ptr<FetchLauncher> launcher_;
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostile_input.moc"
