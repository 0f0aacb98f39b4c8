// The song list's right-click menu: the items' states, the popup, the
// commands, the confirmation box (answered through the test hook), and
// clearing while a fetch from the sample service runs.
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <functional>

#include "app/fetch_launcher.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/message_boxes.h"
#include "app/number_edit.h"
#include "app/song_list_menu.h"
#include "app/song_list_model.h"
#include "app/tests/event_loop_wait.h"
#include "regex/regex_matcher.h"
#include "tools/loopback_http/loopback_http_server.h"
#include "tools/sample_service/sample_playlists.h"

using namespace lirvane;
using namespace lirvane::gui;
using lirvane::gui::testing::runUntil;

namespace {

struct SeenBox {
  QString caption, text;
  QMessageBox::Icon icon;
  Qt::WindowModality modality;
  int buttons;
  bool hasOwner;
};

}  // namespace

class TestSongListMenu : public QObject {
  Q_OBJECT

  // Right-clicks the list and hands the open popup to `act`, which must
  // close it.
  void rightClickThen(std::function<void(QMenu*)> act) {
    QTimer::singleShot(0, this, [act] {
      QVERIFY(runUntil([] { return QApplication::activePopupWidget() != nullptr; }, 5000));
      act(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    });
    emit window_->songListRightClicked();
  }

  void choose(QMenu* popup, QAction* action, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(popup, button, {}, popup->actionGeometry(action).center());
  }

  void addRows(const QStringList& titles) {
    for (const QString& title : titles) {
      int row = window_->songs()->appendRow();
      window_->songs()->setCellText(row, 0, title);
      window_->songs()->setCellText(row, 1, "http://" + title);
    }
  }

 private slots:
  void initTestCase() {
    QVERIFY(service_.port() != 0);
    tools::serveSamplePlaylists(service_);
    tools::useAsProxy(service_);
  }

  void init() {
    boxes_.clear();
    setMessageBoxHook([this](QMessageBox& box) {
      boxes_.push_back({box.windowTitle(), box.text(), box.icon(), box.windowModality(),
                        int(box.buttons().size()), box.parentWidget() != nullptr});
    });
    window_ = new MainWindow();
    controls_ = std::make_unique<MainWindowControls>(window_);
    new SongListMenu(*window_, *controls_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  }

  void cleanup() {
    delete window_.data();
    controls_.reset();
    setMessageBoxHook({});
  }

  void anEmptyListGreysEveryItem() {
    bool allGreyed = false;
    rightClickThen([&](QMenu* popup) {
      allGreyed = true;
      for (QAction* action : popup->actions()) allGreyed = allGreyed && !action->isEnabled();
      choose(popup, window_->clearAllAction());  // greyed: nothing happens
      QTest::keyClick(popup, Qt::Key_Escape);
    });
    QVERIFY(allGreyed);
    QVERIFY(boxes_.empty());
  }

  void rowsEnableEveryItem() {
    addRows({"a"});
    bool allEnabled = false;
    QPoint topLeft;
    rightClickThen([&](QMenu* popup) {
      allEnabled = true;
      for (QAction* action : popup->actions()) allEnabled = allEnabled && action->isEnabled();
      topLeft = popup->pos();
      QTest::keyClick(popup, Qt::Key_Escape);
    });
    QVERIFY(allEnabled);
    QCOMPARE(topLeft, QCursor::pos() + QPoint(3, 3));
  }

  void aDismissedPopupDoesNothing() {
    addRows({"a", "b"});
    rightClickThen([](QMenu* popup) { QTest::keyClick(popup, Qt::Key_Escape); });
    QCOMPARE(window_->songs()->rowCount(), 2);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QVERIFY(boxes_.empty());
  }

  void copyEitherColumn_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("expected");
    QTest::newRow("song and singer") << 0 << "b";
    QTest::newRow("address") << 1 << "http://b";
  }

  void copyEitherColumn() {
    QFETCH(int, item);
    QFETCH(QString, expected);
    addRows({"a", "b"});
    window_->songList()->selectRow(1);
    QAction* action = item == 0 ? window_->copyTitleAction() : window_->copyUrlAction();
    rightClickThen([&](QMenu* popup) { choose(popup, action); });
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    QCOMPARE(boxes_.size(), 1u);
    QCOMPARE(boxes_[0].caption, QStringLiteral("信息："));
    QCOMPARE(boxes_[0].text, QStringLiteral("复制成功!!"));
    QCOMPARE(boxes_[0].icon, QMessageBox::NoIcon);
    QCOMPARE(boxes_[0].modality, Qt::ApplicationModal);
    QCOMPARE(boxes_[0].buttons, 1);
    QVERIFY(!boxes_[0].hasOwner);
  }

  void eitherMouseButtonChooses() {
    addRows({"a"});
    rightClickThen(
        [&](QMenu* popup) { choose(popup, window_->clearAllAction(), Qt::RightButton); });
    QCOMPARE(window_->songs()->rowCount(), 0);
  }

  void withoutASelectionTheEmptyTextIsCopied() {
    addRows({"a"});
    SongListMenu menu(*window_, *controls_);
    menu.copyColumn(0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QCOMPARE(boxes_.size(), 1u);
  }

  void theLowestSelectedRowIsCopied() {
    addRows({"a", "b", "c"});
    QItemSelectionModel* selection = window_->songList()->selectionModel();
    selection->select(window_->songs()->index(2, 0),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    selection->select(window_->songs()->index(1, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    SongListMenu menu(*window_, *controls_);
    menu.copyColumn(0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("b"));
  }

  void aLongCellIsCopiedWhole() {
    QString longTitle = QString(300, QChar(0x6B4C)) + QString(100, u'x');  // 700 bytes in 936
    addRows({longTitle});
    window_->songList()->selectRow(0);
    SongListMenu menu(*window_, *controls_);
    menu.copyColumn(0);
    QCOMPARE(QGuiApplication::clipboard()->text(), longTitle);
  }

  void clearAllChangesNothingElse() {
    addRows({"a", "b"});
    window_->statusPart()->setText(QStringLiteral("status"));
    window_->numberBox()->setText(QStringLiteral("123"));
    SongListMenu menu(*window_, *controls_);
    menu.clearAll();
    QCOMPARE(window_->songs()->rowCount(), 0);
    QCOMPARE(window_->statusPart()->text(), QStringLiteral("status"));
    QCOMPARE(window_->numberBox()->text(), QStringLiteral("123"));
  }

  void clearingWhileAFetchRunsRestartsFromTheTop() {
    RegexMatcher matcher;
    FetchLauncher launcher(*controls_, matcher);
    window_->numberBox()->setText(QStringLiteral("5000"));
    launcher.start();
    QVERIFY(runUntil([this] { return window_->songs()->rowCount() >= 100; }));
    int cleared = window_->songs()->rowCount();
    SongListMenu menu(*window_, *controls_);
    menu.clearAll();
    QCOMPARE(window_->songs()->rowCount(), 0);
    QVERIFY(runUntil([this] { return window_->fetchButton()->isEnabled(); }, 120000));
    QVERIFY(cleared < 5000);
    QCOMPARE(window_->songs()->rowCount(), 5000 - cleared);
    // The row being written at the clear lost its texts; the next song went
    // to the top.
    QVERIFY(!window_->songs()->cellText(0, 0).isEmpty());
    QCOMPARE(window_->statusPart()->text(), QStringLiteral("QQ:5000 获取完成,空间音乐总数:5000首"));
  }

 private:
  tools::LoopbackHttpServer service_;
  QPointer<MainWindow> window_;
  std::unique_ptr<MainWindowControls> controls_;
  std::vector<SeenBox> boxes_;
};

QTEST_MAIN(TestSongListMenu)
#include "tst_song_list_menu.moc"
