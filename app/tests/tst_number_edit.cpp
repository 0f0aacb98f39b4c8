// The number box's typing filter and its emptying on focus.
#include <QClipboard>
#include <QInputMethodEvent>
#include <QtTest>

#include "app/number_edit.h"

using namespace lirvane::gui;

namespace {

// Types each character as a key press that carries it, as a keyboard
// layout or compose sequence would deliver it.
void typeText(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

}  // namespace

class TestNumberEdit : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    holder_ = new QWidget();
    edit_ = new NumberEdit(holder_);
    other_ = new QLineEdit(holder_);
    other_->move(0, 40);
    holder_->show();
    QVERIFY(QTest::qWaitForWindowActive(holder_));
    edit_->setFocus();
  }
  void cleanup() { delete holder_; }

  void typing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digits") << "0123456789"
                            << "0123456789";
    QTest::newRow("letters dropped") << "12a3"
                                     << "123";
    QTest::newRow("minus kept") << "-5"
                                << "-5";
    QTest::newRow("blank, plus, point dropped") << "1 +2.3"
                                                << "123";
    QTest::newRow("full-width digits dropped") << QString::fromUtf8("１２3") << "3";
    QTest::newRow("chinese dropped") << QString::fromUtf8("中1文") << "1";
  }

  void typing() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    typeText(edit_, typed);
    QCOMPARE(edit_->text(), expected);
  }

  void controlKeysStillWork() {
    QTest::keyClicks(edit_, "123");
    QTest::keyClick(edit_, Qt::Key_Backspace);
    QCOMPARE(edit_->text(), QStringLiteral("12"));
    QTest::keyClick(edit_, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit_, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(edit_, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12"));
  }

  void pasteIsNotFiltered() {
    QGuiApplication::clipboard()->setText(QStringLiteral("abc 中"));
    QTest::keyClick(edit_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit_->text(), QStringLiteral("abc 中"));
  }

  void anInputMethodCommitIsFiltered() {
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("1二3"));
    QApplication::sendEvent(edit_, &commit);
    QCOMPARE(edit_->text(), QStringLiteral("13"));
  }

  void focusEmptiesTheBox_data() {
    QTest::addColumn<int>("reason");
    QTest::newRow("click") << int(Qt::MouseFocusReason);
    QTest::newRow("tab") << int(Qt::TabFocusReason);
    QTest::newRow("backtab") << int(Qt::BacktabFocusReason);
    QTest::newRow("activation") << int(Qt::ActiveWindowFocusReason);
  }

  void focusEmptiesTheBox() {
    QFETCH(int, reason);
    other_->setFocus();
    edit_->setText(QStringLiteral("12345"));
    edit_->setFocus(Qt::FocusReason(reason));
    QCOMPARE(edit_->text(), QString());
    // Leaving keeps whatever was typed.
    QTest::keyClicks(edit_, "42");
    other_->setFocus();
    QCOMPARE(edit_->text(), QStringLiteral("42"));
  }

 private:
  QWidget* holder_ = nullptr;
  NumberEdit* edit_ = nullptr;
  QLineEdit* other_ = nullptr;
};

QTEST_MAIN(TestNumberEdit)
#include "tst_number_edit.moc"
