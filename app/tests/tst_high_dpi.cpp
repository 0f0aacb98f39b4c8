// The window on a screen scaled by 2: the same layout in logical pixels, and
// pictures drawn from images with twice the pixels, so they stay sharp.
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "app/main_window.h"
#include "app/number_edit.h"

using namespace lirvane::gui;

class TestHighDpi : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = new MainWindow();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
  }
  void cleanup() { delete window_.data(); }

  void theScreenIsScaled() { QCOMPARE(window_->devicePixelRatioF(), 2.0); }

  void theLayoutIsKept() {
    QCOMPARE(window_->size(), QSize(486, 380));
    QCOMPARE(window_->numberBox()->geometry(), QRect(31, 24, 104, 24));
    QCOMPARE(window_->fetchButton()->geometry(), QRect(147, 24, 72, 25));
    QCOMPARE(window_->songList()->geometry(), QRect(5, 99, 475, 225));
    QPixmap rendered = window_->grab();
    QCOMPARE(rendered.devicePixelRatio(), 2.0);
    QCOMPARE(rendered.size(), QSize(972, 760));
  }

  void theBannerIsSharp() {
    auto* banner = window_->findChild<QLabel*>(QStringLiteral("图片框1"));
    QPixmap picture = banner->pixmap();
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.size(), QSize(400, 112));
    QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(200, 56));
  }

  void theIconIsSharp() {
    QPixmap icon = window_->windowIcon().pixmap(QSize(32, 32), 2.0);
    QCOMPARE(icon.size(), QSize(64, 64));
  }

 private:
  QPointer<MainWindow> window_;
};

QTEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
