// The main window's section view, parabolic cable and help line: the
// controllers live beside the window; here they are connected to it.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "app/world.h"
#include "editor/form_pri.h"
#include "editor/help_line_watcher.h"
#include "editor/node_panel.h"
#include "editor/undo_keys.h"
#include "parabolic/form_parab_cable.h"
#include "section_view/picture_box_ui.h"
#include "section_view/section_view_controller_ui.h"

void FormPri::ConnectViewButtons() {
  SectionView = new SectionViewController(
      world_.Group, world_.Structure, world_.Sections, world_.ViewMode, world_.SectionView,
      {Picture1, LabelCoord[1], LabelCoord[2], ButtonAction, Labelnn[1]},
      [this](int16_t first, int16_t last) { nodePanel_->RefreshTextN(first, last); },
      [this] {
        nodePanel_->CheckNNode();
        nodePanel_->RefreshTextNNode();
      },
      this);
  connect(RefreshDrawing, &QPushButton::clicked, this, [this] { RedrawSectionView(); });
  connect(ButtonAction, &QPushButton::clicked, SectionView,
          &SectionViewController::ButtonAction_Click);
  // "Simmetria Z" mirrors about the Z axis: Y changes sign.
  connect(Command1, &QPushButton::clicked, this, [this] { SectionView->Mirror(2); });
  connect(Command2, &QPushButton::clicked, this, [this] { SectionView->Mirror(1); });
  connect(TracParab, &QPushButton::clicked, this, &FormPri::TracParab_Click);
}

void FormPri::TracParab_Click() {
  // The step keeps the active layout the window shows after the dialog, so
  // it is taken here, not by the dialog's own clicks.
  if (ParabDialog == nullptr) {
    // Made only now: most runs never open it. Its boxes take the window's
    // Ctrl+Z as every other box does.
    ParabDialog = new FormParabCable(world_, prompter_, this);
    undoKeys_->Watch();
  }
  stepsHeld_ = true;
  const bool made = ParabDialog->ShowParabolicDialog();
  stepsHeld_ = false;
  if (made) {
    world_.Group.ActiveLayout = world_.Group.LayoutCount;
    RefreshLayoutPanels();
  }
  RecordGroupChange();
}

void FormPri::WatchHelpLine() {
  HelpLine = new HelpLineWatcher(*Timer1, *LabMsg, this);
  HelpLine->Watch(Picture1, kTipPicture);
  connect(Picture1, &PictureBox::MouseMove, HelpLine, [this] { HelpLine->ShowRequest(kTipPicture); });
  const std::pair<QWidget*, ToolTipId> single[] = {
      {RefreshDrawing, kTipRefreshDrawing}, {ButtonAction, kTipButtonAction},
      {CheckEvLayo, kTipOnlyActiveLayout},  {Label5, kTipOnlyActiveLayout},
      {NCnd, kTipLoadCondition},            {Description, kTipDescription},
      {ButtonNewT, kTipNewLayout},          {ButtonCopyT, kTipCopyLayout},
      {ButtonNewN, kTipNewNode},            {ButtonCopyN, kTipCopyNode},
      {ButtonRemoveN, kTipRemoveNodes},     {ButtonRemove, kTipRemoveLayouts},
      {Command1, kTipMirrorZ},              {Command2, kTipMirrorY},
      {ButtonOpen, kTipOpen},               {ButtonSave, kTipSave},
      {ButtonClose, kTipClose},             {LabelCoord[1], kTipCursorZ},
      {LabelCoord[2], kTipCursorY},
  };
  for (const auto& [widget, tip] : single) HelpLine->Watch(widget, tip);
  for (int row = 1; row <= kGridRows; ++row) {
    HelpLine->Watch(LayoName[row], kTipLayoutName);
    HelpLine->WatchFocus(CableName[row], kTipCableName);
    HelpLine->Watch(LabelN[row], kTipLayoutOrdinal);
    HelpLine->Watch(Labelnn[row], kTipNodeOrdinal);
    HelpLine->Watch(NodeName[row], kTipNodeName);
    HelpLine->Watch(SectionName[row], kTipSectionName);
    HelpLine->Watch(TCoordSys[row], kTipCoordSys);
    HelpLine->Watch(TCoordY[row], kTipCoordY);
    HelpLine->Watch(TCoordZ[row], kTipCoordZ);
    HelpLine->Watch(TAngDisto[row], kTipAngDisto);
  }
  for (QWidget* bare : {static_cast<QWidget*>(this), static_cast<QWidget*>(Frame1),
                        static_cast<QWidget*>(Frame2), static_cast<QWidget*>(Frame3)}) {
    HelpLine->WatchHide(bare);
  }
}
