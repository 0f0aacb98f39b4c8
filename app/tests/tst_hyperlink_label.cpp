// The feedback link: its colours and its opening through the registered
// handler for web pages (a stub installed for the test).
#include <QTemporaryDir>
#include <QtTest>

#include "app/hyperlink_label.h"
#include "app/osutils/web_page_opener.h"

using namespace lirvane::gui;

namespace {

QColor textColour(const QLabel& label) { return label.palette().color(QPalette::WindowText); }

void writeFile(const QString& path, const QByteArray& content) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(content);
}

}  // namespace

class TestHyperlinkLabel : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The desktop's own opener is missing here (the offscreen platform has
    // none), so opening goes to the handler registered for text/html: a
    // script that records its arguments.
    QVERIFY(home_.isValid());
    qputenv("XDG_CONFIG_HOME", (home_.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home_.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_DIRS", (home_.path() + "/none").toUtf8());
    qputenv("XDG_DATA_DIRS", (home_.path() + "/none").toUtf8());
    writeFile(home_.path() + "/config/mimeapps.list",
              "[Default Applications]\ntext/html=stub-browser.desktop;other.desktop;\n");
    writeFile(home_.path() + "/data/applications/stub-browser.desktop",
              "[Desktop Entry]\nType=Application\nName=Stub\nExec=" +
                  (home_.path() + "/stub.sh").toUtf8() + " --new-window \"%u\"\n");
    writeFile(home_.path() + "/stub.sh",
              "#!/bin/sh\nprintf '%s\\n' \"$@\" > " + (home_.path() + "/opened").toUtf8() + "\n");
    QFile::setPermissions(home_.path() + "/stub.sh", QFile::ReadOwner | QFile::ExeOwner);
  }

  void init() {
    QFile::remove(home_.path() + "/opened");
    link_ = new HyperlinkLabel(QStringLiteral("link"), QUrl("https://example.org/feedback"));
    link_->setGeometry(300, 300, 163, 24);  // away from the pointer
    link_->show();
    QVERIFY(QTest::qWaitForWindowExposed(link_));
  }
  void cleanup() { delete link_; }

  void looksLikeALink() {
    QCOMPARE(textColour(*link_), QColor(0, 0, 255));
    QCOMPARE(link_->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(link_->focusPolicy(), Qt::NoFocus);
  }

  void hoverThenOpenThenLeave() {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(link_, &enter);
    QCOMPARE(textColour(*link_), QColor(49, 106, 197));
    QTest::mousePress(link_, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(QFileInfo(home_.path() + "/opened").size() > 0);
    QVERIFY(link_->isVisited());
    // The pointer is still over it.
    QCOMPARE(textColour(*link_), QColor(49, 106, 197));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link_, &leave);
    QCOMPARE(textColour(*link_), QColor(128, 0, 0));
    QFile opened(home_.path() + "/opened");
    QVERIFY(opened.open(QIODevice::ReadOnly));
    QCOMPARE(opened.readAll(), QByteArray("--new-window\nhttps://example.org/feedback\n"));
  }

  void theRightButtonDoesNotOpen() {
    QTest::mousePress(link_, Qt::RightButton, {}, QPoint(5, 5));
    QTest::qWait(100);
    QVERIFY(!QFile::exists(home_.path() + "/opened"));
    QVERIFY(!link_->isVisited());
  }

  void aFailedOpeningClearsTheVisitedMark() {
    QTest::mousePress(link_, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(link_->isVisited());
    QTRY_VERIFY(QFileInfo(home_.path() + "/opened").size() > 0);
    QFile::rename(home_.path() + "/config/mimeapps.list", home_.path() + "/config/moved");
    QTest::mousePress(link_, Qt::LeftButton, {}, QPoint(5, 5));
    QFile::rename(home_.path() + "/config/moved", home_.path() + "/config/mimeapps.list");
    QVERIFY(!link_->isVisited());
    QCOMPARE(textColour(*link_), QColor(0, 0, 255));
  }

  void commandForAddress_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expected");
    QTest::newRow("quoted placeholder") << "browser -new \"%u\" -x"
                                        << "browser -new  ADDR";
    QTest::newRow("plain placeholder") << "browser %U"
                                       << "browser  ADDR";
    QTest::newRow("the first of two") << "b %f \"%u\""
                                      << "b %f  ADDR";
    QTest::newRow("windows-style %1") << "b \"%1\""
                                      << "b  ADDR";
    QTest::newRow("no placeholder") << "browser"
                                    << "browser ADDR";
  }

  void commandForAddress() {
    QFETCH(QString, command);
    QFETCH(QString, expected);
    QCOMPARE(osutils::commandForAddress(command, "ADDR"), expected);
  }

 private:
  QTemporaryDir home_;
  HyperlinkLabel* link_ = nullptr;
};

QTEST_MAIN(TestHyperlinkLabel)
#include "tst_hyperlink_label.moc"
