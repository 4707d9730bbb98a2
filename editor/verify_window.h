#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

class GroupHistory;
class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
struct World;

// The non-modal window "Verifica tracciati": the minimum cover and radius
// (in the structure's length unit; empty or 0 leaves a limit out), the
// "Verifica" button and the table of what the check found, one problem a
// row, then each layout's tightest bend. Double-clicking a row hands its
// layout and point to `activate`. The table empties as soon as the group
// changes: the history tells of every step recorded, undone or redone. Controls are public for the
// tests.
class VerifyWindow : public QWidget {
  Q_OBJECT

 public:
  using Activate = std::function<void(int16_t layout, int16_t point)>;

  VerifyWindow(World& world, Prompter& prompter, GroupHistory& history, Activate activate,
               QWidget* parent = nullptr);

  void Verifica_Click();
  void Table_DblClick(int row);

  QLineEdit* CoverBox = nullptr;
  QLineEdit* RadiusBox = nullptr;
  QPushButton* VerifyButton = nullptr;
  QTableWidget* Table = nullptr;
  QLabel* Summary = nullptr;

 private:
  void ClearTable();
  bool ReadLimit(const QLineEdit& box, double& value);

  World& world_;
  Prompter& prompter_;
  Activate activate_;
};
