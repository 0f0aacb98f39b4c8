#include "app/song_list_model.h"

namespace lirvane::gui {

SongListModel::SongListModel(QObject* parent) : QAbstractTableModel(parent) {}

int SongListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SongListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant SongListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  return cellText(index.row(), index.column());
}

QVariant SongListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section == 0) return QStringLiteral("歌曲名/歌手");
  if (section == 1) return QStringLiteral("歌曲地址");
  return {};
}

Qt::ItemFlags SongListModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

int SongListModel::appendRow() {
  int row = static_cast<int>(rows_.size());
  beginInsertRows({}, row, row);
  rows_.emplace_back();
  endInsertRows();
  return row;
}

void SongListModel::removeAllRows() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

void SongListModel::setCellText(int row, int column, const QString& text) {
  if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns) return;
  rows_[row][column] = text;
  QModelIndex cell = index(row, column);
  emit dataChanged(cell, cell, {Qt::DisplayRole});
}

QString SongListModel::cellText(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns) return {};
  return rows_[row][column];
}

}  // namespace lirvane::gui
