// Copying from the song list onto the X server's real clipboard, read back
// by another process as any other program would read it.
#include <QClipboard>
#include <QProcess>
#include <QTableView>
#include <QtTest>

#include <cstdio>
#include <cstring>

#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/message_boxes.h"
#include "app/song_list_menu.h"
#include "app/song_list_model.h"

using namespace lirvane::gui;

class TestSongListMenuX11 : public QObject {
  Q_OBJECT

  // The clipboard's text as another program on the same display sees it.
  static QString clipboardOfAnotherProcess() {
    QProcess reader;
    reader.start(QCoreApplication::applicationFilePath(), {"--print-clipboard"});
    reader.waitForStarted();
    // This process owns the selection: it must keep serving events while the
    // reader asks for it.
    QElapsedTimer clock;
    clock.start();
    while (reader.state() != QProcess::NotRunning && clock.elapsed() < 10000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return QString::fromUtf8(reader.readAllStandardOutput());
  }

 private slots:
  void init() {
    setMessageBoxHook([this](QMessageBox& box) { lastBox_ = box.text(); });
    window_ = new MainWindow();
    controls_ = std::make_unique<MainWindowControls>(window_);
    menu_ = new SongListMenu(*window_, *controls_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    SongListModel* songs = window_->songs();
    for (const char* title : {"晴天-周杰伦", "Hello-Adele"}) {
      int row = songs->appendRow();
      songs->setCellText(row, 0, QString::fromUtf8(title));
      songs->setCellText(row, 1,
                         QStringLiteral("http://music.example.com/") + QString::number(row));
    }
  }

  void cleanup() {
    delete window_.data();
    controls_.reset();
    setMessageBoxHook({});
    lastBox_.clear();
  }

  void copyEitherColumnOntoTheRealClipboard_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");
    QTest::newRow("song and singer") << 0 << QStringLiteral("晴天-周杰伦");
    QTest::newRow("address") << 1 << QStringLiteral("http://music.example.com/0");
  }

  void copyEitherColumnOntoTheRealClipboard() {
    QFETCH(int, column);
    QFETCH(QString, expected);
    window_->songList()->selectRow(0);
    menu_->copyColumn(column);
    QCOMPARE(lastBox_, QStringLiteral("复制成功!!"));
    QCOMPARE(clipboardOfAnotherProcess(), expected);
  }

  void aLongCellArrivesWhole() {
    QString longAddress = "http://music.example.com/" + QString(600, u'a');
    window_->songs()->setCellText(1, 1, longAddress);
    window_->songList()->selectRow(1);
    menu_->copyColumn(1);
    QCOMPARE(clipboardOfAnotherProcess(), longAddress);
  }

 private:
  QPointer<MainWindow> window_;
  std::unique_ptr<MainWindowControls> controls_;
  SongListMenu* menu_ = nullptr;
  QString lastBox_;
};

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--print-clipboard") == 0) {
    QGuiApplication app(argc, argv);
    std::printf("%s", QGuiApplication::clipboard()->text().toUtf8().constData());
    return 0;
  }
  QApplication app(argc, argv);
  TestSongListMenuX11 test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_song_list_menu_x11.moc"
