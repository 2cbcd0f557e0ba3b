#pragma once

#include "sketch/Stroke.h"
#include "sketch/SymmetryMode.h"
#include "ui/Canvas.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

/// Why a sketch file could not be read. The values are the ids of the messages that report them
/// (the window shows the text with the file name).
enum class ArchiveError : int
{
    None = 0,
    FileTooShort = 61875,     ///< the data ends before a field it announces
    BadFormat = 61877,        ///< a bad tag or index, a null entry or a repeated stroke
    UnexpectedObject = 61878, ///< a class other than CStroke
    BadSchema = 61879,        ///< a stroke record of another schema
};

/// Message id of an error (0 for None).
constexpr int messageId(ArchiveError error)
{
    return static_cast<int>(error);
}

/// Everything a sketch file holds.
struct SketchContents
{
    Size extent;
    SymmetryMode mode = kSymmetryNone;
    std::vector<std::unique_ptr<CStroke>> strokes;
};

/// The outcome of reading a sketch file: on error the contents are empty.
struct SketchReadResult
{
    ArchiveError error = ArchiveError::None;
    SketchContents contents;
    bool ok() const { return error == ArchiveError::None; }
};

/// The bytes of a sketch file, little-endian: extent (two signed 32-bit), symmetry mode (16-bit),
/// stroke count, then one tagged record per stroke. The first record carries the class record
/// (0xFFFF, schema, name "CStroke"), every later one the class reference 0x8001.
std::vector<std::uint8_t> WriteSketch(Size extent, SymmetryMode mode,
                                      std::span<const std::unique_ptr<CStroke>> strokes);

/// Reads a sketch file. Every tag of the archive scheme is understood: a new class record, a class
/// reference (16-bit or 0x7FFF with a 32-bit tag); a null entry or a reference to a stroke already
/// read is a bad format. Counts are checked against the bytes left before anything is allocated.
/// Bytes after the last stroke are ignored.
SketchReadResult ReadSketch(std::span<const std::uint8_t> bytes);
