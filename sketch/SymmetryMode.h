#pragma once

#include <cstdint>

/// The symmetry mode with which every stroke is also shown mirrored, as the 16-bit value stored in
/// a sketch file. It belongs to the running program, not to the strokes: New and 画面クリア keep
/// it, only the two menu commands and loading a file change it.
using SymmetryMode = std::uint16_t;

constexpr SymmetryMode kSymmetryNone = 0;
/// Mirror about the centre point: (x, y) -> (2cx - x, 2cy - y).
constexpr SymmetryMode kSymmetryPoint = 1;
/// Mirror about the vertical line through the centre: (x, y) -> (2cx - x, y). Any other non-zero
/// value draws the same way.
constexpr SymmetryMode kSymmetryLine = 2;
