// The window's operations as other threads use them: carried out by the UI
// thread while the caller waits, and harmless once the window is gone.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <atomic>
#include <thread>

#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/number_edit.h"
#include "app/song_list_model.h"
#include "text/utf8.h"

using namespace lirvane;
using namespace lirvane::gui;

class TestMainWindowControls : public QObject {
  Q_OBJECT

  // Runs `work` on a thread of its own while the UI thread keeps serving
  // events, as it does during a fetch.
  template <typename Work>
  static void onWorkerThread(Work work) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
      work();
      done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
    worker.join();
  }

 private slots:
  void init() {
    window_ = new MainWindow();
    controls_ = std::make_unique<MainWindowControls>(window_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
  }
  void cleanup() {
    delete window_.data();
    controls_.reset();
  }

  void operationsFromAnotherThreadReachTheControls() {
    Text caption = textFromUtf8(u8"获取中..");
    Text number, cell, missing;
    int rows = -1, selected = 0;
    onWorkerThread([&] {
      controls_->setFetchButtonDisabled(true);
      controls_->setFetchButtonCaption(caption);
      controls_->setStatusPartText(0, caption);
      controls_->setStatusPartText(1, Text("nowhere"));
      controls_->setNumberText(Text("12 34"));
      number = controls_->numberText();
      int row = controls_->appendRow();
      controls_->setCellText(row, 0, textFromUtf8(u8"晴天-周杰伦"));
      controls_->setCellText(row, 1, Text("http://a/1.mp3"));
      controls_->setCellText(row + 5, 0, Text("ignored"));
      cell = controls_->cellText(row, 0);
      missing = controls_->cellText(-1, 0);
      rows = controls_->rowCount();
      selected = controls_->selectedRow();
    });
    QVERIFY(!window_->fetchButton()->isEnabled());
    QCOMPARE(window_->fetchButton()->text(), QStringLiteral("获取中.."));
    QCOMPARE(window_->statusPart()->text(), QStringLiteral("获取中.."));
    QCOMPARE(number, Text("12 34"));
    QCOMPARE(cell, textFromUtf8(u8"晴天-周杰伦"));
    QCOMPARE(window_->songs()->cellText(0, 1), QStringLiteral("http://a/1.mp3"));
    QCOMPARE(missing, Text());
    QCOMPARE(rows, 1);
    QCOMPARE(selected, -1);
  }

  void aLongCellIsReadWhole() {
    std::string bytes(5000, 'x');
    controls_->setCellText(controls_->appendRow(), 1, Text(bytes));
    QCOMPARE(controls_->cellText(0, 1).size(), 5000u);
  }

  void deleteAllRowsEmptiesTheList() {
    for (int i = 0; i < 3; ++i) controls_->appendRow();
    controls_->deleteAllRows();
    QCOMPARE(controls_->rowCount(), 0);
    QCOMPARE(controls_->appendRow(), 0);
  }

  void afterTheWindowIsGoneCallsReturnAtOnce() {
    delete window_.data();
    int rows = 1, appended = 0, selected = 0;
    Text number = Text("x");
    onWorkerThread([&] {
      controls_->setFetchButtonCaption(Text("a"));
      rows = controls_->rowCount();
      appended = controls_->appendRow();
      selected = controls_->selectedRow();
      number = controls_->numberText();
    });
    QCOMPARE(rows, 0);
    QCOMPARE(appended, -1);
    QCOMPARE(selected, -1);
    QCOMPARE(number, Text());
  }

  // A worker keeps calling while the UI thread destroys the window: every
  // call either runs before the window goes or returns without effect.
  void callsWhileTheWindowIsBeingDestroyed() {
    std::atomic<bool> stop{false};
    std::atomic<int> calls{0};
    std::thread worker([&] {
      while (!stop) {
        int row = controls_->appendRow();
        controls_->setCellText(row, 0, Text("song"));
        ++calls;
      }
    });
    QTRY_VERIFY(calls > 20);
    delete window_.data();
    int before = calls;
    QTRY_VERIFY(calls > before + 100);  // still calling, now without effect
    stop = true;
    worker.join();
  }

 private:
  QPointer<MainWindow> window_;
  std::unique_ptr<MainWindowControls> controls_;
};

QTEST_MAIN(TestMainWindowControls)
#include "tst_main_window_controls.moc"
