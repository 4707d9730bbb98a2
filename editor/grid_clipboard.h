#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

class QWidget;

// Ctrl+C and Ctrl+V in a grid exchange tables with spreadsheets. Ctrl+C
// copies the grid's table unless a box of the grid has text selected (that
// text is copied, as usual); Ctrl+V pastes a clipboard text holding a tab or
// a line break as a table, and any other text into the box, as usual.
class GridClipboard : public QObject {
 public:
  struct Grid {
    std::vector<QWidget*> cells;
    std::function<std::string()> copy;               // the table's text
    std::function<void(const std::string&)> paste;  // takes a table's text
  };

  explicit GridClipboard(QObject* parent);
  void Watch(Grid grid);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Which grid a cell belongs to.
  std::unordered_map<const QObject*, std::size_t> cells_;
  std::vector<Grid> grids_;
};
