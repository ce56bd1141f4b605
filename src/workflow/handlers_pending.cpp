// Placeholders until the handlers are written: they do nothing.
#include "workflow/slimming.h"

namespace korvath {

void run_slimming(WorkflowContext&) {}

} // namespace korvath
