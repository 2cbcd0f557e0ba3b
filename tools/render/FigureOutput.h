#pragma once

#include "tools/render/RenderCommand.h"
#include "ui/Canvas.h"

#include <functional>
#include <string>

class LessonWindow;
class QImage;
class QPainter;

/// Paints a figure on a painter whose coordinates are the figure's logical pixels.
using FigurePaint = std::function<void(QPainter &painter)>;

/// Writes a PNG at a fast compression level (zlib level 1, one filter for every row): a little
/// larger, much quicker.
bool savePngFast(const QImage &image, const std::string &file);

/// Writes the figure as a PNG of `scale` times its logical size (device pixel ratio `scale`).
bool writeScaledPng(const std::string &file, Size size, double scale, const FigurePaint &paint);
/// Writes the figure as SVG of its logical size; texts stay texts.
bool writeSvg(const std::string &file, Size size, const FigurePaint &paint);
/// Writes the figure as a one-page PDF of its logical size (a pixel is 1/96 inch); texts stay
/// texts.
bool writePdf(const std::string &file, Size size, const FigurePaint &paint);

/// Writes the `--svg`, `--pdf` and (when `--scale` is not 1) `--png` outputs of `command` for a
/// figure; each failure is reported. Returns false when one of them could not be written.
bool writeFigureOutputs(const RenderCommand &command, Size size, const FigurePaint &paint);

/// Paints a window as its PNG shows it: the background, `OnPaint` on a canvas over the painter,
/// then the controls, all at the client size.
void paintWindowFigure(LessonWindow &window, QPainter &painter);

/// Reports an error on standard error ("tessaryn-render: MESSAGE") and keeps it for the batch's
/// result line.
void reportRenderError(const std::string &message);
/// The errors reported since the last call, joined by "; ", and forgets them.
std::string takeRenderErrors();
/// Reports a failure to write `file`.
void reportUnwritable(const std::string &file);
