// SongListMenu: the song list's right-click menu. It offers copying the
// selected row's song and singer or its address, and clearing the list;
// the three items are greyed exactly when the list is empty at the
// right-click.
//
// Contract:
// - The popup opens 3 pixels right of and below the pointer, owned by the
//   window, and is modal; an item can be chosen with either mouse button;
//   its command runs once the popup has closed; a dismissed popup does
//   nothing.
// - A copy puts the whole cell (of the selected row with the lowest index,
//   or "" when none is selected) on the clipboard as plain text and then
//   confirms with "复制成功!!"; when the clipboard did not take the text,
//   nothing is shown.
// - Clearing removes every row and changes nothing else; a fetch that is
//   running goes on adding its songs from the top.
// UI thread only.
#pragma once

#include <QObject>

namespace lirvane::gui {

class MainWindow;
class MainWindowControls;

class SongListMenu : public QObject {
 public:
  SongListMenu(MainWindow& window, MainWindowControls& controls);

  // The right-click: sets the items' states, pops the menu up and runs
  // what was chosen.
  void popUp();

  void copyColumn(int column);
  void clearAll();

 private:
  MainWindow& window_;
  MainWindowControls& controls_;
};

}  // namespace lirvane::gui
