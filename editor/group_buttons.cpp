// "Apri" and "Salva": the group file through the dialogs, then the window
// brought up to date with what was opened.

#include <QLineEdit>

#include "app/group_commands.h"
#include "app/world.h"
#include "editor/control_state.h"
#include "editor/form_pri.h"
#include "editor/layout_panel.h"

void FormPri::ButtonOpen_Click() {
  LayoutGroup& group = Group();
  if (!OpenLayoutGroup(world_, prompter_)) {
    // A file that could not be taken may have left the group empty: its old
    // rows must not stay on screen as if they still held layouts.
    if (group.LayoutCount == 0) layoutPanel_->ShowNoLayouts();
    return;
  }
  group.ActiveLayout = group.LayoutCount;
  RefreshLayoutPanels();
  NCnd->setText(QString::number(group.LoadCondition));
  Description->setText(ToQString(group.GroupDescription));
  setWindowTitle(ToQString(GroupWindowCaption(world_.Job, world_.GroupFileName)));
}

void FormPri::ButtonSave_Click() { SaveLayoutGroup(world_, prompter_); }
