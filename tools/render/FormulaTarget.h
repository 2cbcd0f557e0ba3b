#pragma once

#include "tools/render/RenderCommand.h"

/// Draws one formula on a white 480 x 120 client in "MS Serif" of height 20 at (20, 50) and writes
/// the PNG and/or the recorded operations. Returns the exit status.
int renderFormula(const RenderCommand &command);
