#include "tools/render/SketchTarget.h"

#include "tools/render/FigureOutput.h"
#include "tools/render/RenderTargets.h"

#include "app/DocumentCommands.h"
#include "sketch/TessarynDoc.h"
#include "sketch/TessarynView.h"

#include "ui/QtCanvas.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>
#include <fstream>
#include <iostream>

namespace {

constexpr std::pair<int, int> kDefaultClient{640, 400};

std::vector<Point> pointsOf(const RenderCommand::Event &event)
{
    std::vector<Point> points;
    for (const auto &[x, y] : event.points)
        points.push_back(Point{x, y});
    return points;
}

/// Applies one scripted input to the view; false (with a message) for one it cannot take.
bool apply(CTessarynView &view, CTessarynDoc &doc, const RenderCommand::Event &event)
{
    using Kind = RenderCommand::Event::Kind;
    switch (event.kind) {
    case Kind::Drag:
    case Kind::Click:
        view.dragAlong(pointsOf(event));
        return true;
    case Kind::Command:
        if (!doc.OnCommand(event.id)) {
            reportRenderError("the sketch takes the commands 57633, 2773 and 2774, not " +
                              std::to_string(event.id));
            return false;
        }
        // The output shows what the window shows when it is next painted: the commands ask for
        // no repaint themselves, so the mirror images appear only then.
        view.invalidate();
        return true;
    default:
        reportRenderError("the sketch takes only --drag, --click and --command");
        return false;
    }
}

} // namespace

int renderSketch(const RenderCommand &command)
{
    CTessarynDoc doc;
    CTessarynView view(&doc);
    const auto [width, height] = command.size.value_or(kDefaultClient);
    view.resize(width, height);
    DocumentCommands files(doc, nullptr);
    if (command.file == "-")
        files.OnFileNew();
    else if (!files.OpenDocumentFile(QString::fromStdString(command.file))) {
        reportRenderError("cannot open " + command.file);
        return 2;
    }
    view.flushPaint(); // the window appears painted

    for (const RenderCommand::Event &event : command.events) {
        if (!apply(view, doc, event)) return 2;
    }

    int status = 0;
    auto failed = [&status](const std::string &file) {
        reportUnwritable(file);
        status = 1;
    };
    if (!command.saveFile.empty() && !files.DoSave(QString::fromStdString(command.saveFile)))
        failed(command.saveFile);
    if (!command.pngFile.empty() && command.scale == 1.0 &&
        !savePngFast(view.surface(), command.pngFile))
        failed(command.pngFile);
    const Size size{width, height};
    const auto paint = [&view, size](QPainter &painter) {
        painter.fillRect(QRect(0, 0, size.cx, size.cy), Qt::white);
        QtCanvas canvas(painter, size);
        view.OnPaint(canvas);
    };
    if (!writeFigureOutputs(command, size, paint)) status = 1;
    if (!command.opsFile.empty() && !writeLines(command.opsFile, view.recordPaint()))
        failed(command.opsFile);
    return status;
}
