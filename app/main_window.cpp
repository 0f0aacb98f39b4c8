#include "app/main_window.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>

#include "app/frame_pacer.h"
#include "app/hyperlink_label.h"
#include "app/number_edit.h"
#include "app/song_list_model.h"
#include "app/window_drag.h"

namespace lirvane::gui {
namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name, const QString& accessibleName) {
  widget->setObjectName(QString::fromUtf8(name));
  widget->setAccessibleName(accessibleName);
  return widget;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MainWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Lirvane (Lirvane 开发组 出品)"));
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/lirvane/icons/%1x%1.png").arg(size), QSize(size, size));
  setWindowIcon(icon);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kClientSize);
  setAutoFillBackground(true);

  banner_ = named(new QLabel(this), names::kBanner, QStringLiteral("Lirvane"));
  banner_->setGeometry(277, 7, 203, 59);
  banner_->setFrameStyle(QFrame::Box | QFrame::Plain);
  banner_->setLineWidth(1);
  QPalette bannerPalette = banner_->palette();
  bannerPalette.setColor(QPalette::WindowText, Qt::black);
  banner_->setPalette(bannerPalette);
  banner_->setAlignment(Qt::AlignCenter);
  // Drawn from the picture at twice the size on screens scaled by more than
  // one, so that it stays sharp.
  bool scaled = devicePixelRatioF() > 1.0;
  QPixmap picture(scaled ? QStringLiteral(":/lirvane/banner@2x.png")
                         : QStringLiteral(":/lirvane/banner.png"));
  picture.setDevicePixelRatio(scaled ? 2.0 : 1.0);
  banner_->setPixmap(picture);

  buildInputRow();

  link_ = named(new HyperlinkLabel(QStringLiteral(">> 如有疑问,点此反馈 <<"),
                                   QUrl(QString::fromLatin1(kFeedbackAddress)), this),
                names::kLink, QStringLiteral(">> 如有疑问,点此反馈 <<"));
  link_->setGeometry(298, 71, 163, 24);

  buildSongList();
  buildStatusBar();
  buildContextMenu();

  // The focus cycle: list, number box, button, and round again.
  setTabOrder(songList_, numberBox_);
  setTabOrder(numberBox_, fetchButton_);

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  new FramePacer(this);

  auto* drag = new WindowDrag(this);
  for (QWidget* handle : {static_cast<QWidget*>(this), static_cast<QWidget*>(banner_),
                          static_cast<QWidget*>(group_), static_cast<QWidget*>(label_)}) {
    drag->addHandle(handle);
  }

  songList_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildInputRow() {
  group_ = named(new QGroupBox(this), names::kGroup, QStringLiteral("QQ"));
  group_->setGeometry(8, 2, 229, 65);
  group_->setFlat(false);

  label_ = named(new QLabel(QStringLiteral("QQ:"), group_), names::kLabel, QStringLiteral("QQ:"));
  label_->setGeometry(8, 23, 17, 24);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // "QQ:" in a 17-pixel box, as wide as the platform's small GUI font draws
  // it; the fonts here are wider, so this one label is set a little tighter.
  QFont labelFont(QStringLiteral("WenQuanYi Micro Hei"));
  labelFont.setPixelSize(11);
  labelFont.setLetterSpacing(QFont::AbsoluteSpacing, -1);
  label_->setFont(labelFont);
  QPalette labelPalette = label_->palette();
  labelPalette.setColor(QPalette::WindowText, Qt::black);
  label_->setPalette(labelPalette);

  numberBox_ = named(new NumberEdit(group_), names::kNumberBox, QStringLiteral("QQ号码"));
  numberBox_->setGeometry(31, 24, 104, 24);
  numberBox_->setText(QString::fromLatin1(kSampleNumber));
  QPalette boxPalette = numberBox_->palette();
  boxPalette.setColor(QPalette::Text, Qt::black);
  boxPalette.setColor(QPalette::Base, Qt::white);
  numberBox_->setPalette(boxPalette);

  fetchButton_ = named(new QPushButton(QStringLiteral("获取"), group_), names::kFetchButton,
                       QStringLiteral("获取"));
  fetchButton_->setGeometry(147, 24, 72, 25);
  fetchButton_->setAutoDefault(false);
  fetchButton_->setDefault(false);
  fetchButton_->setFocusPolicy(Qt::StrongFocus);
  connect(fetchButton_, &QPushButton::clicked, this, &MainWindow::fetchRequested);
}

void MainWindow::buildSongList() {
  songs_ = new SongListModel(this);
  songList_ = named(new QTableView(this), names::kSongList, QStringLiteral("歌曲列表"));
  songList_->setGeometry(5, 99, 475, 225);
  songList_->setModel(songs_);
  songList_->setSelectionMode(QAbstractItemView::SingleSelection);
  songList_->setSelectionBehavior(QAbstractItemView::SelectRows);
  songList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  songList_->setTabKeyNavigation(false);
  songList_->setShowGrid(true);
  songList_->setSortingEnabled(false);
  songList_->setWordWrap(false);
  songList_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  songList_->setContextMenuPolicy(Qt::CustomContextMenu);
  songList_->verticalHeader()->hide();
  // Rows of one height: the view then places row n without measuring the
  // rows before it, which keeps appending cheap however long the list.
  songList_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  songList_->verticalHeader()->setMinimumSectionSize(1);
  songList_->verticalHeader()->setDefaultSectionSize(songList_->fontMetrics().height() + 4);
  QHeaderView* header = songList_->horizontalHeader();
  header->setSectionsMovable(false);
  header->setSectionsClickable(false);
  header->setHighlightSections(false);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setStretchLastSection(false);
  header->resizeSection(0, 140);
  header->resizeSection(1, 320);

  // Black on white, and no selection shown while the list has no focus.
  QPalette palette = songList_->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
  songList_->setPalette(palette);

  connect(songList_, &QTableView::customContextMenuRequested, this,
          &MainWindow::songListRightClicked);
}

void MainWindow::buildStatusBar() {
  statusBar_ = named(new QStatusBar(this), names::kStatusBar, QStringLiteral("状态条"));
  statusBar_->setSizeGripEnabled(false);
  statusPart_ = new QLabel(statusBar_);
  statusPart_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  statusPart_->setTextFormat(Qt::PlainText);
  statusPart_->setMinimumWidth(0);
  // A part of fixed size, the bar's width less its margins: a new text then
  // repaints it without laying out the status bar again, once per song
  // during a fetch.
  statusPart_->setFixedSize(kClientSize.width() - 4, statusPart_->sizeHint().height());
  statusBar_->addWidget(statusPart_, 1);
  int height = statusBar_->sizeHint().height();
  statusBar_->setGeometry(0, kClientSize.height() - height, kClientSize.width(), height);
}

void MainWindow::buildContextMenu() {
  contextMenu_ = new QMenu(QStringLiteral("右键菜单"), this);
  contextMenu_->setObjectName(QString::fromUtf8(names::kMenuContext));
  auto add = [this](const char* name, const QString& caption) {
    QAction* action = contextMenu_->addAction(caption);
    action->setObjectName(QString::fromUtf8(name));
    return action;
  };
  copyTitle_ = add(names::kMenuCopyTitle, QStringLiteral("复制歌曲名/歌手"));
  copyUrl_ = add(names::kMenuCopyUrl, QStringLiteral("复制歌曲地址"));
  clearAll_ = add(names::kMenuClearAll, QStringLiteral("全部清空"));
}

void MainWindow::centreOnScreen() {
  QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(screen.x() + (screen.width() - kOuterSize.width()) / 2,
       screen.y() + (screen.height() - kOuterSize.height()) / 2);
}

}  // namespace lirvane::gui
