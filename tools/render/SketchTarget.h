#pragma once

#include "tools/render/RenderCommand.h"

/// Opens the main window's sketch view on a file ("-": a new document) at the client size asked
/// (640 x 400 by default), applies the drags, clicks and menu commands 57633, 2773 and 2774 in
/// order, saves the document when asked, and writes the PNG of the view's image and/or the lines
/// of one full repaint. Returns the exit status.
int renderSketch(const RenderCommand &command);
