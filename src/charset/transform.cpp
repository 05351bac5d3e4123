// Whole-glyph transformations on the current glyph or the enabled code range.
#include "app/commands.h"

void TransformGlyphs(EditorState&, int) {}
