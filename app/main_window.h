// MainWindow: the program's only window and its whole user interface, with
// the controls named as the rest of the program addresses them.
//
// Contract:
// - Built complete by the constructor: every control with its settings,
//   texts, positions and tab order; the popup menu built but hidden.
// - Closing it (close button, Alt+F4, Esc from any control) destroys it.
// - Its signals carry the events the program handles: the fetch button's
//   click and the song list's right-click. Everything else a control does
//   on its own (the number box's filter and emptying, the link, dragging).
// - Lives on the UI thread and is touched only there; other threads go
//   through MainWindowControls.
#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QMenu;
class QAction;
class QPushButton;
class QStatusBar;
class QTableView;

namespace lirvane::gui {

class HyperlinkLabel;
class NumberEdit;
class SongListModel;

// The names of the window's controls, which are also their object names.
namespace names {
inline constexpr const char* kBanner = "图片框1";
inline constexpr const char* kGroup = "分组框1";
inline constexpr const char* kLabel = "标签1";
inline constexpr const char* kNumberBox = "编辑框_QQ号码";
inline constexpr const char* kFetchButton = "按钮_获取";
inline constexpr const char* kLink = "超级链接框1";
inline constexpr const char* kSongList = "超级列表框_歌曲列表";
inline constexpr const char* kStatusBar = "状态条1";
inline constexpr const char* kMenuContext = "menuContext";
inline constexpr const char* kMenuCopyTitle = "menuCopyTitle";
inline constexpr const char* kMenuCopyUrl = "menuCopyUrl";
inline constexpr const char* kMenuClearAll = "menuClearAll";
}  // namespace names

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{486, 380};
  static constexpr QSize kOuterSize{492, 405};
  static constexpr const char* kSampleNumber = "100200300";
  static constexpr const char* kFeedbackAddress = "https://lirvane.example.org/feedback";

  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Places the window's frame centred on the primary screen.
  void centreOnScreen();

  QPushButton* fetchButton() const { return fetchButton_; }
  NumberEdit* numberBox() const { return numberBox_; }
  QTableView* songList() const { return songList_; }
  SongListModel* songs() const { return songs_; }
  QLabel* statusPart() const { return statusPart_; }
  QMenu* contextMenu() const { return contextMenu_; }
  QAction* copyTitleAction() const { return copyTitle_; }
  QAction* copyUrlAction() const { return copyUrl_; }
  QAction* clearAllAction() const { return clearAll_; }

 signals:
  void fetchRequested();
  void songListRightClicked();

 private:
  void buildInputRow();
  void buildSongList();
  void buildStatusBar();
  void buildContextMenu();

  QLabel* banner_ = nullptr;
  QGroupBox* group_ = nullptr;
  QLabel* label_ = nullptr;
  NumberEdit* numberBox_ = nullptr;
  QPushButton* fetchButton_ = nullptr;
  HyperlinkLabel* link_ = nullptr;
  QTableView* songList_ = nullptr;
  SongListModel* songs_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QLabel* statusPart_ = nullptr;
  QMenu* contextMenu_ = nullptr;
  QAction* copyTitle_ = nullptr;
  QAction* copyUrl_ = nullptr;
  QAction* clearAll_ = nullptr;
};

}  // namespace lirvane::gui
