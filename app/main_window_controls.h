// MainWindowControls: the operations through which the rest of the program
// reads and changes MainWindow's controls, callable from any thread.
//
// Contract:
// - On the UI thread an operation acts at once. From another thread it is
//   carried out by the UI thread while the caller waits; the UI thread never
//   waits for the caller.
// - Once the window is gone (or detach() was called) every operation
//   returns at once without effect: reads give "", 0 or -1. A fetch still
//   running at the end relies on this.
// - Texts cross as Texts (code page 936).
// - Made on the UI thread; outlives the window it serves.
#pragma once

#include <QPointer>

#include "app/ui_thread_caller.h"
#include "fetch/playlist_view.h"
#include "text/text.h"

namespace lirvane::gui {

class MainWindow;

enum class MenuItem { CopyTitle, CopyUrl, ClearAll };

class MainWindowControls : public PlaylistView {
 public:
  explicit MainWindowControls(MainWindow* window);
  ~MainWindowControls() override;

  // From now on, every operation returns at once. UI thread only.
  void detach();
  bool isGone() override { return !caller_.isOpen(); }

  // 按钮_获取
  void setFetchButtonDisabled(bool disabled) override;
  void setFetchButtonCaption(const Text& caption) override;
  // 编辑框_QQ号码
  Text numberText() override;
  void setNumberText(const Text& text);
  // 状态条1: only part 0 exists.
  void setStatusPartText(int part, const Text& text) override;
  // 超级列表框_歌曲列表
  int rowCount();
  void deleteAllRows() override;
  int appendRow() override;
  void setCellText(int row, int column, const Text& text) override;
  Text cellText(int row, int column);
  int selectedRow();
  // The popup menu's items and the popup itself.
  void setMenuItemDisabled(MenuItem item, bool disabled);

 private:
  // Runs `work` with the live window on the UI thread.
  template <typename Work>
  auto withWindow(Work work);

  UiThreadCaller caller_;
  QPointer<MainWindow> window_;
  QMetaObject::Connection detachOnDestroy_;
};

}  // namespace lirvane::gui
