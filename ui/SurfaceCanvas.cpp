#include "ui/SurfaceCanvas.h"

SurfaceCanvas::SurfaceCanvas(std::unique_ptr<Canvas> canvas, std::function<void()> done)
    : m_canvas(std::move(canvas)), m_done(std::move(done))
{}

SurfaceCanvas::SurfaceCanvas(SurfaceCanvas &&other) noexcept
    : m_canvas(std::move(other.m_canvas)), m_done(std::move(other.m_done))
{
    other.m_done = nullptr;
}

SurfaceCanvas::~SurfaceCanvas()
{
    m_canvas.reset(); // ends the painter before the screen is told
    if (m_done) m_done();
}
