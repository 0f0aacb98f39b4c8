#include "app/main_window_controls.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "app/main_window.h"
#include "app/number_edit.h"
#include "app/qt_text.h"
#include "app/song_list_model.h"

namespace lirvane::gui {

MainWindowControls::MainWindowControls(MainWindow* window) : window_(window) {
  detachOnDestroy_ = QObject::connect(window, &QObject::destroyed, window, [this] { detach(); });
}

MainWindowControls::~MainWindowControls() { QObject::disconnect(detachOnDestroy_); }

void MainWindowControls::detach() { caller_.close(); }

template <typename Work>
auto MainWindowControls::withWindow(Work work) {
  using Result = std::invoke_result_t<Work, MainWindow&>;
  if constexpr (std::is_void_v<Result>) {
    caller_.call([this, &work] {
      if (MainWindow* window = window_.data()) work(*window);
    });
  } else {
    auto result = caller_.call([this, &work]() -> std::optional<Result> {
      MainWindow* window = window_.data();
      if (!window) return std::nullopt;
      return work(*window);
    });
    return result ? *result : std::optional<Result>();
  }
}

void MainWindowControls::setFetchButtonDisabled(bool disabled) {
  withWindow([disabled](MainWindow& w) { w.fetchButton()->setDisabled(disabled); });
}

void MainWindowControls::setFetchButtonCaption(const Text& caption) {
  withWindow([caption](MainWindow& w) {
    w.fetchButton()->setText(toQString(caption));
    w.fetchButton()->setAccessibleName(toQString(caption));
  });
}

Text MainWindowControls::numberText() {
  return withWindow([](MainWindow& w) { return toText(w.numberBox()->text()); }).value_or(Text());
}

void MainWindowControls::setNumberText(const Text& text) {
  withWindow([text](MainWindow& w) { w.numberBox()->setText(toQString(text)); });
}

void MainWindowControls::setStatusPartText(int part, const Text& text) {
  if (part != 0) return;
  withWindow([text](MainWindow& w) { w.statusPart()->setText(toQString(text)); });
}

int MainWindowControls::rowCount() {
  return withWindow([](MainWindow& w) { return w.songs()->rowCount(); }).value_or(0);
}

void MainWindowControls::deleteAllRows() {
  withWindow([](MainWindow& w) { w.songs()->removeAllRows(); });
}

int MainWindowControls::appendRow() {
  return withWindow([](MainWindow& w) { return w.songs()->appendRow(); }).value_or(-1);
}

void MainWindowControls::setCellText(int row, int column, const Text& text) {
  withWindow([=](MainWindow& w) { w.songs()->setCellText(row, column, toQString(text)); });
}

Text MainWindowControls::cellText(int row, int column) {
  return withWindow([=](MainWindow& w) { return toText(w.songs()->cellText(row, column)); })
      .value_or(Text());
}

int MainWindowControls::selectedRow() {
  return withWindow([](MainWindow& w) {
           QModelIndexList rows = w.songList()->selectionModel()->selectedRows();
           int first = -1;
           for (const QModelIndex& index : rows) {
             if (first < 0 || index.row() < first) first = index.row();
           }
           return first;
         })
      .value_or(-1);
}

void MainWindowControls::setMenuItemDisabled(MenuItem item, bool disabled) {
  withWindow([=](MainWindow& w) {
    QAction* action = item == MenuItem::CopyTitle ? w.copyTitleAction()
                      : item == MenuItem::CopyUrl ? w.copyUrlAction()
                                                  : w.clearAllAction();
    action->setDisabled(disabled);
  });
}

}  // namespace lirvane::gui
