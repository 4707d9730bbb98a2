#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

#include "layouts/layout_group.h"
#include "section_view/section_view_state.h"
#include "structure/structure_model.h"

class PictureBox;
class QLabel;
class QPushButton;

// The section view's handlers, for the main window to forward to. It owns
// nothing: it works on the records and the controls it is given, which must
// outlive it. It answers the picture box's own events (press, move, resize)
// by itself; the window connects its buttons to the public handlers.
class SectionViewController : public QObject {
  Q_OBJECT

 public:
  // Rewrites the node rows of points first..last (the grid's RefreshTextN).
  using RefreshRows = std::function<void(int16_t first, int16_t last)>;

  struct Controls {
    PictureBox* Picture = nullptr;
    QLabel* LabelCoordZ = nullptr;  // cursor Z
    QLabel* LabelCoordY = nullptr;  // cursor Y
    QPushButton* ButtonAction = nullptr;
    QLabel* FirstNodeRow = nullptr;  // the point number of the first node row
  };

  // refreshNodePanel runs after a mirror has rewritten the node rows (the
  // grid's own checks of its buttons and scroll bar); it may be empty.
  SectionViewController(LayoutGroup& group, const StructureModel& structure,
                        const SectionTable& sections, int16_t& viewMode, SectionViewState& state,
                        const Controls& controls, RefreshRows refreshTextN,
                        std::function<void()> refreshNodePanel = {}, QObject* parent = nullptr);

  // The redraw sequence for the active point; nothing without one.
  void Redraw();
  // The mode button: switches mode and shows the new one on the button.
  void ButtonAction_Click();
  void ShowViewMode();
  void Picture1_MouseDown(int button, int shift, float x, float y);
  void Picture1_MouseMove(int button, int shift, float x, float y);
  // Axis 1 negates Z ("Simmetria Y"), 2 negates Y ("Simmetria Z"); then the
  // last rows of the layout, the node panel and the view are refreshed.
  void Mirror(int axis);

 private:
  LayoutGroup& group_;
  const StructureModel& structure_;
  const SectionTable& sections_;
  int16_t& viewMode_;
  SectionViewState& state_;
  Controls controls_;
  RefreshRows refreshTextN_;
  std::function<void()> refreshNodePanel_;
};
