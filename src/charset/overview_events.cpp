// Selection, keys, hover and drag on the overview.
#include "app/commands.h"

void HandleOverviewEvent(EditorState&, const ControlEventInfo&) {}
