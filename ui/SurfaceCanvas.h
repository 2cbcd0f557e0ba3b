#pragma once

#include "ui/Canvas.h"

#include <functional>
#include <memory>

/// A canvas handed out for drawing outside the paint handler (mouse feedback) or onto a child
/// surface. It draws into the window's backing image; when it goes out of scope the screen is
/// updated.
class SurfaceCanvas
{
public:
    SurfaceCanvas(std::unique_ptr<Canvas> canvas, std::function<void()> done);
    SurfaceCanvas(SurfaceCanvas &&other) noexcept;
    SurfaceCanvas &operator=(SurfaceCanvas &&) = delete;
    ~SurfaceCanvas();

    Canvas &operator*() const { return *m_canvas; }
    Canvas *operator->() const { return m_canvas.get(); }
    Canvas &canvas() const { return *m_canvas; }

private:
    std::unique_ptr<Canvas> m_canvas;
    std::function<void()> m_done;
};
