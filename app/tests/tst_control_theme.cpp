// The control theme, read back from rendered controls.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "app/control_theme.h"

using namespace lirvane::gui;

namespace {

QColor topMiddle(QWidget& widget) {
  QImage image = widget.grab().toImage();
  return image.pixelColor(image.width() / 2, 0);
}

}  // namespace

class TestControlTheme : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { setControlTheme(0); }

  void schemesColourTheFrames_data() {
    QTest::addColumn<int>("scheme");
    QTest::addColumn<QColor>("frame");
    QTest::newRow("1") << 1 << QColor(123, 158, 189);
    QTest::newRow("2") << 2 << QColor(164, 185, 127);
    QTest::newRow("3") << 3 << QColor(198, 197, 215);
  }

  void schemesColourTheFrames() {
    QFETCH(int, scheme);
    QFETCH(QColor, frame);
    setControlTheme(scheme);
    QPushButton button(QStringLiteral("获取"));
    button.resize(72, 25);
    QCOMPARE(topMiddle(button), frame);
    QLineEdit edit;
    edit.resize(104, 24);
    QCOMPARE(topMiddle(edit), frame);
  }

  void switchedOffTheSystemLookReturns() {
    setControlTheme(1);
    QPushButton button(QStringLiteral("x"));
    button.resize(72, 25);
    setControlTheme(0);
    QVERIFY(topMiddle(button) != QColor(123, 158, 189));
  }

  void controlsMadeLaterAreThemedToo() {
    setControlTheme(1);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("信息："), QStringLiteral("x"),
                    QMessageBox::Ok);
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    ok->resize(75, 23);
    QCOMPARE(topMiddle(*ok), QColor(123, 158, 189));
  }

  void labelsKeepTheSystemLook() {
    setControlTheme(1);
    QLabel label(QStringLiteral("QQ:"));
    label.setFrameStyle(QFrame::Box | QFrame::Plain);
    label.resize(40, 24);
    QVERIFY(topMiddle(label) != QColor(123, 158, 189));
  }
};

QTEST_MAIN(TestControlTheme)
#include "tst_control_theme.moc"
