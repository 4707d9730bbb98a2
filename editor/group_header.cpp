// The group's description and load condition, in the window's header.

#include <QLineEdit>

#include "app/show_message.h"
#include "app/world.h"
#include "editor/control_state.h"
#include "editor/form_pri.h"
#include "layouts/group_entry.h"

void FormPri::Description_LostFocus() {
  // The box keeps whatever was typed; the group keeps its first characters.
  SetGroupDescription(Group(), ToStdString(Description->text()));
}

void FormPri::NCnd_LostFocus() {
  // A wrong condition stays in the box for the user to correct.
  if (auto refusal = SetLoadCondition(Group(), ToStdString(NCnd->text()))) {
    ShowMessage(prompter_, *refusal);
  }
}
