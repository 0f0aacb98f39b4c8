#include "app/song_list_menu.h"

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>

#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"

namespace lirvane::gui {
namespace {
constexpr QPoint kPopupOffset(3, 3);
}

SongListMenu::SongListMenu(MainWindow& window, MainWindowControls& controls)
    : QObject(&window), window_(window), controls_(controls) {
  connect(&window, &MainWindow::songListRightClicked, this, &SongListMenu::popUp);
}

void SongListMenu::popUp() {
  bool empty = controls_.rowCount() == 0;
  controls_.setMenuItemDisabled(MenuItem::CopyTitle, empty);
  controls_.setMenuItemDisabled(MenuItem::CopyUrl, empty);
  controls_.setMenuItemDisabled(MenuItem::ClearAll, empty);
  QAction* chosen = window_.contextMenu()->exec(QCursor::pos() + kPopupOffset);
  if (chosen == window_.copyTitleAction()) {
    copyColumn(0);
  } else if (chosen == window_.copyUrlAction()) {
    copyColumn(1);
  } else if (chosen == window_.clearAllAction()) {
    clearAll();
  }
}

void SongListMenu::copyColumn(int column) {
  QString text = toQString(controls_.cellText(controls_.selectedRow(), column));
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(text);
  // Where the desktop did not take the text, the user is told nothing.
  bool stored = clipboard->ownsClipboard() || clipboard->text() == text;
  if (stored)
    showMessageBox(QMessageBox::NoIcon, QStringLiteral("信息："), QStringLiteral("复制成功!!"));
}

void SongListMenu::clearAll() { controls_.deleteAllRows(); }

}  // namespace lirvane::gui
