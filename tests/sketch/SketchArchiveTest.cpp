#include "sketch/SketchArchive.h"
#include "sketch/TessarynDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <random>
#include <string_view>

// The largest single allocation since the last reset, to show that no count read from a file is
// trusted for an allocation (a huge reservation would otherwise pass unnoticed on an overcommitting
// system).
namespace {
std::size_t g_largestAllocation = 0;
}

void *operator new(std::size_t size)
{
    g_largestAllocation = std::max(g_largestAllocation, size);
    if (void *p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

using Bytes = std::vector<std::uint8_t>;

// Little-endian fields for hand-made files.
struct FileBuilder
{
    Bytes bytes;
    FileBuilder &u16(std::uint16_t v)
    {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    FileBuilder &u32(std::uint32_t v) { return u16(static_cast<std::uint16_t>(v)).u16(v >> 16); }
    FileBuilder &words(std::initializer_list<std::uint16_t> values)
    {
        for (const std::uint16_t v : values)
            u16(v);
        return *this;
    }
    FileBuilder &text(std::string_view s)
    {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    FileBuilder &header(std::uint16_t count) { return u32(200).u32(200).u16(0).u16(count); }
    FileBuilder &classRecord(std::uint16_t schema = 1, std::string_view name = "CStroke")
    {
        return u16(0xFFFF).u16(schema).u16(static_cast<std::uint16_t>(name.size())).text(name);
    }
    // Pen width 1 and one point (1, 2).
    FileBuilder &strokeData() { return u16(1).u16(1).u16(1).u16(2); }
};

std::vector<std::unique_ptr<CStroke>>
strokesOf(std::initializer_list<std::pair<std::uint32_t, std::vector<Point>>> list)
{
    std::vector<std::unique_ptr<CStroke>> strokes;
    for (const auto &[width, points] : list) {
        strokes.push_back(std::make_unique<CStroke>(width));
        for (const Point &p : points)
            strokes.back()->appendPoint(p.x, p.y);
    }
    return strokes;
}

bool sameStrokes(const std::vector<std::unique_ptr<CStroke>> &a,
                 const std::vector<std::unique_ptr<CStroke>> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const auto &x, const auto &y) { return *x == *y; });
}

Bytes sampleFile()
{
    return WriteSketch({200, 200}, kSymmetryPoint,
                       strokesOf({{2, {{10, 20}, {-30, 40}, {50, -60}}},
                                  {7, {{1, 1}}},
                                  {2, {}},
                                  {65535, {{-32768, 32767}, {0, 0}}}}));
}

} // namespace

TEST(SketchArchive, EmptyDocumentInModeZeroIsTwelveBytes)
{
    CTessarynDoc doc;
    doc.OnNewDocument();
    const Bytes expected = {0xC8, 0, 0, 0, 0xC8, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(doc.Serialize(), expected);
}

TEST(SketchArchive, OneTwoPointStrokeInLineSymmetryHasTheClassRecord)
{
    CTessarynDoc doc;
    doc.OnNewDocument();
    doc.OnLineSymmetry();
    CStroke &stroke = doc.AddStroke();
    stroke.appendPoint(100, 150);
    stroke.appendPoint(-2, 300);
    const Bytes expected = {0xC8, 0x00, 0x00, 0x00, 0xC8, 0x00, 0x00, 0x00, 0x02, 0x00,
                            0x01, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00, 'C',  'S',
                            't',  'r',  'o',  'k',  'e',  0x02, 0x00, 0x02, 0x00, 0x64,
                            0x00, 0x96, 0x00, 0xFE, 0xFF, 0x2C, 0x01};
    EXPECT_EQ(doc.Serialize(), expected);
}

TEST(SketchArchive, LaterStrokesCarryTheClassReference)
{
    const Bytes bytes =
        WriteSketch({200, 200}, kSymmetryNone, strokesOf({{2, {{1, 2}}}, {3, {}}, {4, {}}}));
    const Bytes expected =
        FileBuilder{}.header(3).classRecord().words({2, 1, 1, 2, 0x8001, 3, 0, 0x8001, 4, 0}).bytes;
    EXPECT_EQ(bytes, expected);
}

TEST(SketchArchive, RoundTripsStrokesModeAndNegativeCoordinates)
{
    const Bytes bytes = sampleFile();
    const SketchReadResult read = ReadSketch(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.contents.extent, (Size{200, 200}));
    EXPECT_EQ(read.contents.mode, kSymmetryPoint);
    const auto expected = strokesOf({{2, {{10, 20}, {-30, 40}, {50, -60}}},
                                     {7, {{1, 1}}},
                                     {2, {}},
                                     {65535, {{-32768, 32767}, {0, 0}}}});
    EXPECT_TRUE(sameStrokes(read.contents.strokes, expected));
    EXPECT_EQ(CStroke::unpackPoint(read.contents.strokes[0]->points()[1]), (Point{-30, 40}));
    EXPECT_EQ(WriteSketch(read.contents.extent, read.contents.mode, read.contents.strokes), bytes);
}

TEST(SketchArchive, CountsFromFFFFUseThe32BitFormBothWays)
{
    struct Row
    {
        std::uint32_t count;
        Bytes countBytes;
    };
    const Row rows[] = {
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Row &row : rows) {
        // As a stroke count, right after the 10-byte header fields.
        std::vector<std::unique_ptr<CStroke>> strokes(row.count);
        for (auto &s : strokes)
            s = std::make_unique<CStroke>(1);
        const Bytes file = WriteSketch({200, 200}, 0, strokes);
        EXPECT_TRUE(std::equal(row.countBytes.begin(), row.countBytes.end(), file.begin() + 10))
            << row.count;
        const SketchReadResult read = ReadSketch(file);
        ASSERT_TRUE(read.ok()) << row.count;
        EXPECT_EQ(read.contents.strokes.size(), row.count);

        // As a point count, after the header, the class record and the pen width.
        auto one = strokesOf({{1, {}}});
        one[0]->setPoints(std::vector<std::uint32_t>(row.count, 0x00050003));
        const Bytes withPoints = WriteSketch({200, 200}, 0, one);
        EXPECT_TRUE(std::equal(row.countBytes.begin(), row.countBytes.end(),
                               withPoints.begin() + 12 + 13 + 2))
            << row.count;
        const SketchReadResult readPoints = ReadSketch(withPoints);
        ASSERT_TRUE(readPoints.ok()) << row.count;
        EXPECT_TRUE(sameStrokes(readPoints.contents.strokes, one)) << row.count;
    }
}

TEST(SketchArchive, ReaderUnderstandsTheTagSchemeAndRefusesWhatItCannotHold)
{
    struct Row
    {
        const char *name;
        Bytes bytes;
        ArchiveError error;
        std::size_t strokes = 0;
    };
    const FileBuilder one = FileBuilder{}.header(1);
    const FileBuilder two = FileBuilder{}.header(2).classRecord().strokeData();
    // Entries: class 1, stroke 2, class 3, stroke 4; the third stroke refers to class 3.
    FileBuilder repeated = FileBuilder{}.header(3).classRecord().strokeData().classRecord();
    repeated.strokeData().words({0x8003}).strokeData();
    FileBuilder manyStrokes = FileBuilder{}.u32(200).u32(200).words({0, 0xFFFF});
    manyStrokes.u32(0xFFFFFFFF).classRecord().strokeData();
    const Row rows[] = {
        {"schema 2", FileBuilder{one}.classRecord(2).strokeData().bytes, ArchiveError::BadSchema},
        {"other class", FileBuilder{one}.classRecord(1, "CStroka").strokeData().bytes,
         ArchiveError::UnexpectedObject},
        {"other class, schema 2", FileBuilder{one}.classRecord(2, "CView").bytes,
         ArchiveError::UnexpectedObject},
        {"null entry", FileBuilder{one}.u16(0).strokeData().bytes, ArchiveError::BadFormat},
        {"back-reference to the first stroke", FileBuilder{two}.u16(2).strokeData().bytes,
         ArchiveError::BadFormat},
        {"class reference to a stroke", FileBuilder{two}.u16(0x8002).strokeData().bytes,
         ArchiveError::BadFormat},
        {"class reference before any class", FileBuilder{one}.u16(0x8001).strokeData().bytes,
         ArchiveError::BadFormat},
        {"class index 0", FileBuilder{two}.u16(0x8000).strokeData().bytes, ArchiveError::BadFormat},
        {"32-bit class tag", FileBuilder{two}.u16(0x7FFF).u32(0x80000001).strokeData().bytes,
         ArchiveError::None, 2},
        {"32-bit object tag", FileBuilder{two}.u16(0x7FFF).u32(2).strokeData().bytes,
         ArchiveError::BadFormat},
        {"32-bit tag cut short", FileBuilder{two}.u16(0x7FFF).u16(1).bytes,
         ArchiveError::FileTooShort},
        {"class record repeated, then referenced by its new index", repeated.bytes,
         ArchiveError::None, 3},
        {"4 billion strokes in a short file", manyStrokes.bytes, ArchiveError::FileTooShort},
        {"4 billion points in a short file",
         FileBuilder{one}.classRecord().u16(1).u16(0xFFFF).u32(0xFFFFFFFF).u32(0).bytes,
         ArchiveError::FileTooShort},
        {"class name longer than the file", FileBuilder{one}.u16(0xFFFF).u16(1).u16(500).bytes,
         ArchiveError::FileTooShort},
        {"size cut short", Bytes{0xC8, 0, 0, 0, 0xC8, 0, 0}, ArchiveError::FileTooShort},
        {"empty file", Bytes{}, ArchiveError::FileTooShort},
        {"second stroke without a tag", FileBuilder{two}.strokeData().bytes,
         ArchiveError::BadFormat},
        {"bytes after the stroke list", FileBuilder{one}.classRecord().strokeData().u16(9).bytes,
         ArchiveError::None, 1},
    };
    for (const Row &row : rows) {
        g_largestAllocation = 0;
        const SketchReadResult read = ReadSketch(row.bytes);
        EXPECT_EQ(read.error, row.error) << row.name;
        EXPECT_EQ(read.contents.strokes.size(), row.strokes) << row.name;
        EXPECT_LT(g_largestAllocation, 1024u) << row.name;
    }
}

TEST(SketchArchive, DamagedFilesEndInADocumentOrACleanError)
{
    const Bytes valid = sampleFile();
    // A file cut anywhere lacks a field it announces.
    for (std::size_t length = 0; length < valid.size(); ++length) {
        const SketchReadResult read =
            ReadSketch(std::span<const std::uint8_t>(valid.data(), length));
        EXPECT_EQ(read.error, ArchiveError::FileTooShort) << length;
        EXPECT_TRUE(read.contents.strokes.empty()) << length;
    }

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byteValue(0, 255);
    std::uniform_int_distribution<int> editCount(1, 4);
    int accepted = 0;
    for (int round = 0; round < 4000; ++round) {
        Bytes damaged = valid;
        for (int edit = editCount(random); edit > 0; --edit) {
            std::uniform_int_distribution<std::size_t> position(0, damaged.size() - 1);
            const std::size_t at = position(random);
            switch (byteValue(random) % 4) {
            case 0:
                damaged.erase(damaged.begin() + static_cast<std::ptrdiff_t>(at));
                break;
            case 1:
                damaged.insert(damaged.begin() + static_cast<std::ptrdiff_t>(at),
                               static_cast<std::uint8_t>(byteValue(random)));
                break;
            default:
                damaged[at] = static_cast<std::uint8_t>(byteValue(random));
                break;
            }
        }
        const SketchReadResult read = ReadSketch(damaged);
        if (!read.ok()) {
            EXPECT_TRUE(read.error == ArchiveError::FileTooShort ||
                        read.error == ArchiveError::BadFormat ||
                        read.error == ArchiveError::UnexpectedObject ||
                        read.error == ArchiveError::BadSchema)
                << round;
            EXPECT_TRUE(read.contents.strokes.empty()) << round;
            continue;
        }
        ++accepted;
        const Bytes again =
            WriteSketch(read.contents.extent, read.contents.mode, read.contents.strokes);
        const SketchReadResult reread = ReadSketch(again);
        ASSERT_TRUE(reread.ok()) << round;
        EXPECT_TRUE(sameStrokes(reread.contents.strokes, read.contents.strokes)) << round;
    }
    // Edits to point values keep a file readable, so both outcomes are exercised.
    EXPECT_GT(accepted, 100);
    EXPECT_LT(accepted, 4000);
}
