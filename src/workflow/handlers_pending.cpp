// Placeholders until the handlers are written: they do nothing.
#include "workflow/option_panels.h"
#include "workflow/slimming.h"

namespace korvath {

void open_option_panel(WorkflowContext&) {}
void select_all_android5(WorkflowContext&) {}
void select_all_android7(WorkflowContext&) {}
void run_slimming(WorkflowContext&) {}

} // namespace korvath
