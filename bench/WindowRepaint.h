#pragma once

#include "ui/LessonWindow.h"

#include <QImage>

#include <benchmark/benchmark.h>

/// Repaints a whole window once per iteration the way the screen asks for it: erase the backing
/// image and run the window's paint handler on a QtCanvas over it.
inline void repaintWindow(benchmark::State &state, LessonWindow &window)
{
    for (auto _ : state) {
        window.invalidate(true);
        benchmark::DoNotOptimize(window.surface().constBits());
    }
}
