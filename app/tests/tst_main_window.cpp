// MainWindow as the user first meets it: its size and place, its controls
// and their settings, the keyboard.
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

#include "app/main_window.h"
#include "app/number_edit.h"
#include "app/song_list_model.h"

using namespace lirvane::gui;

class TestMainWindow : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = new MainWindow();
    window_->centreOnScreen();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }
  void cleanup() { delete window_.data(); }

  void sizeAndPlace() {
    QCOMPARE(window_->size(), QSize(486, 380));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(window_->pos(), QPoint((screen.width() - 492) / 2, (screen.height() - 405) / 2));
    QVERIFY(window_->windowTitle().startsWith(QStringLiteral("Lirvane")));
    QVERIFY(!window_->windowIcon().isNull());
  }

  void controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("tabStop");
    QTest::newRow("banner") << "图片框1"
                            << "MainWindow" << QRect(277, 7, 203, 59) << "" << false;
    QTest::newRow("group") << "分组框1"
                           << "MainWindow" << QRect(8, 2, 229, 65) << "" << false;
    QTest::newRow("label") << "标签1"
                           << "分组框1" << QRect(8, 23, 17, 24) << "QQ:" << false;
    QTest::newRow("number") << "编辑框_QQ号码"
                            << "分组框1" << QRect(31, 24, 104, 24) << "100200300" << true;
    QTest::newRow("button") << "按钮_获取"
                            << "分组框1" << QRect(147, 24, 72, 25) << "获取" << true;
    QTest::newRow("link") << "超级链接框1"
                          << "MainWindow" << QRect(298, 71, 163, 24) << ">> 如有疑问,点此反馈 <<"
                          << false;
    QTest::newRow("list") << "超级列表框_歌曲列表"
                          << "MainWindow" << QRect(5, 99, 475, 225) << "" << true;
  }

  void controls() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, tabStop);
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), geometry);
    QVERIFY(control->isVisible());
    QVERIFY(control->isEnabled());
    QCOMPARE(bool(control->focusPolicy() & Qt::TabFocus), tabStop);
    QVERIFY2(!control->accessibleName().isEmpty(), "every control names itself");
    if (auto* label = qobject_cast<QLabel*>(control); label && !text.isEmpty())
      QCOMPARE(label->text(), text);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) QCOMPARE(edit->text(), text);
    if (auto* button = qobject_cast<QPushButton*>(control)) {
      QCOMPARE(button->text(), text);
      QVERIFY(!button->isDefault() && !button->autoDefault());
    }
  }

  void bannerShowsThePicture() {
    auto* banner = window_->findChild<QLabel*>(QStringLiteral("图片框1"));
    QCOMPARE(banner->pixmap().size(), QSize(200, 56));
    QCOMPARE(banner->frameShape(), QFrame::Box);
  }

  void songListSettings() {
    QTableView* list = window_->songList();
    QCOMPARE(list->model()->columnCount(), 2);
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("歌曲名/歌手"));
    QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("歌曲地址"));
    QCOMPARE(list->horizontalHeader()->sectionSize(0), 140);
    QCOMPARE(list->horizontalHeader()->sectionSize(1), 320);
    QVERIFY(list->horizontalHeader()->isVisible());
    QVERIFY(!list->horizontalHeader()->sectionsMovable());
    QVERIFY(!list->verticalHeader()->isVisible());
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(list->showGrid());
    QVERIFY(!list->isSortingEnabled());
    QCOMPARE(list->model()->rowCount(), 0);
  }

  void aClickOnAColumnHeaderChangesNothing() {
    SongListModel* songs = window_->songs();
    for (const char* text : {"b", "a"}) songs->setCellText(songs->appendRow(), 0, QString(text));
    QHeaderView* header = window_->songList()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionPosition(0) + 10, header->height() / 2));
    QCOMPARE(songs->cellText(0, 0), QStringLiteral("b"));
    QVERIFY(window_->songList()->selectionModel()->selectedRows().isEmpty());
  }

  void statusBarHasOneEmptyPart() {
    auto* bar = window_->findChild<QStatusBar*>(QStringLiteral("状态条1"));
    QVERIFY(bar);
    QCOMPARE(bar->width(), 486);
    QCOMPARE(bar->geometry().bottom(), 379);
    QVERIFY(!bar->isSizeGripEnabled());
    QCOMPARE(bar->findChildren<QLabel*>().size(), 1);
    QVERIFY(window_->statusPart()->text().isEmpty());
    QVERIFY(window_->statusPart()->width() >= 480);
    QVERIFY(bar->rect().contains(window_->statusPart()->geometry()));
  }

  void theContextMenuIsBuiltButHidden() {
    QMenu* menu = window_->contextMenu();
    QCOMPARE(menu->objectName(), QStringLiteral("menuContext"));
    QCOMPARE(menu->title(), QStringLiteral("右键菜单"));
    QVERIFY(!menu->isVisible());
    const QStringList names{"menuCopyTitle", "menuCopyUrl", "menuClearAll"};
    const QStringList captions{"复制歌曲名/歌手", "复制歌曲地址", "全部清空"};
    QCOMPARE(menu->actions().size(), 3);
    for (int i = 0; i < 3; ++i) {
      QAction* action = menu->actions()[i];
      QCOMPARE(action->objectName(), names[i]);
      QCOMPARE(action->text(), captions[i]);
      QVERIFY(action->isEnabled() && action->isVisible() && !action->isChecked());
      QVERIFY(action->shortcut().isEmpty());
    }
  }

  void theListHasTheFocusAtFirst() {
    QCOMPARE(QApplication::focusWidget(), window_->songList());
    QCOMPARE(window_->numberBox()->text(), QStringLiteral("100200300"));
  }

  void tabCyclesListBoxButton() {
    QWidget* list = window_->songList();
    QWidget* box = window_->numberBox();
    QWidget* button = window_->fetchButton();
    for (QWidget* expected : {box, button, list, box}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), expected);
    }
    for (QWidget* expected : {list, button, box}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      QCOMPARE(QApplication::focusWidget(), expected);
    }
  }

  void tabSkipsADisabledButton() {
    window_->fetchButton()->setEnabled(false);
    window_->numberBox()->setFocus();
    QTest::keyClick(window_->numberBox(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window_->songList());
  }

  void escapeClosesFromAnyControl_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("list") << "超级列表框_歌曲列表";
    QTest::newRow("number box") << "编辑框_QQ号码";
    QTest::newRow("button") << "按钮_获取";
  }

  void escapeClosesFromAnyControl() {
    QFETCH(QString, control);
    auto* widget = window_->findChild<QWidget*>(control);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Escape);
    QTRY_VERIFY(window_.isNull());
  }

  void escapeWithAModifierDoesNotClose() {
    QTest::keyClick(window_->songList(), Qt::Key_Escape, Qt::ControlModifier);
    QTest::qWait(50);
    QVERIFY(!window_.isNull());
  }

  void enterDoesNothing_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("number box") << "编辑框_QQ号码";
    QTest::newRow("button") << "按钮_获取";
    QTest::newRow("list") << "超级列表框_歌曲列表";
  }

  void enterDoesNothing() {
    QFETCH(QString, control);
    QSignalSpy fetches(window_.data(), &MainWindow::fetchRequested);
    auto* widget = window_->findChild<QWidget*>(control);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Return);
    QTest::keyClick(widget, Qt::Key_Enter);
    QCOMPARE(fetches.count(), 0);
    QCOMPARE(QApplication::focusWidget(), widget);
    QVERIFY(window_->isVisible());
  }

  void theButtonRequestsAFetch() {
    QSignalSpy fetches(window_.data(), &MainWindow::fetchRequested);
    QTest::mouseClick(window_->fetchButton(), Qt::LeftButton);
    window_->fetchButton()->setFocus();
    QTest::keyClick(window_->fetchButton(), Qt::Key_Space);
    QCOMPARE(fetches.count(), 2);
  }

  void aRightClickAnywhereInTheListIsReported() {
    QSignalSpy clicks(window_.data(), &MainWindow::songListRightClicked);
    QWidget* viewport = window_->songList()->viewport();
    // An empty list, then below the last row of a list with one.
    QContextMenuEvent empty(QContextMenuEvent::Mouse, QPoint(20, 20),
                            viewport->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(viewport, &empty);
    window_->songs()->appendRow();
    QContextMenuEvent below(QContextMenuEvent::Mouse, QPoint(20, 200),
                            viewport->mapToGlobal(QPoint(20, 200)));
    QApplication::sendEvent(viewport, &below);
    QCOMPARE(clicks.count(), 2);
  }

 private:
  QPointer<MainWindow> window_;
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
