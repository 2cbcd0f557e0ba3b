#pragma once

#include "ui/NullCanvas.h"

/// A canvas that draws nothing and measures texts on another canvas in its own current font: a
/// figure run over it once tells how wide it will be on the real surface, so that it can be placed
/// before it is drawn. The measured canvas's objects are left as they were.
class MeasuringCanvas : public NullCanvas
{
public:
    explicit MeasuringCanvas(Canvas &target) : m_target(target) {}

    Size size() const override { return m_target.size(); }

protected:
    Size doTextExtent(std::u16string_view text) override
    {
        if (m_target.font() == font()) return m_target.textExtent(text);
        FontScope scope(m_target, font());
        return m_target.textExtent(text);
    }
    TextMetrics doTextMetrics() override
    {
        if (m_target.font() == font()) return m_target.textMetrics();
        FontScope scope(m_target, font());
        return m_target.textMetrics();
    }

private:
    Canvas &m_target;
};
