// The rows of the song list: two texts per row, in the order they were
// added. Appending and writing a row touch only that row, so that a row
// written through many single calls costs the same at any list length.
// UI thread only.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

namespace lirvane::gui {

class SongListModel : public QAbstractTableModel {
 public:
  static constexpr int kColumns = 2;

  explicit SongListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // A row of empty texts after the last; its index.
  int appendRow();
  void removeAllRows();
  // No effect outside the rows and columns.
  void setCellText(int row, int column, const QString& text);
  // Empty outside the rows and columns.
  QString cellText(int row, int column) const;

 private:
  std::vector<std::array<QString, kColumns>> rows_;
};

}  // namespace lirvane::gui
