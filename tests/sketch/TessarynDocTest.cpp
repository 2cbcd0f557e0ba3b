#include "sketch/TessarynDoc.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> fileInMode(SymmetryMode mode, Size extent)
{
    std::vector<std::unique_ptr<CStroke>> strokes;
    strokes.push_back(std::make_unique<CStroke>(5));
    strokes.back()->appendPoint(1, 2);
    return WriteSketch(extent, mode, strokes);
}

} // namespace

TEST(TessarynDoc, AddStrokeMarksModifiedAndNewStartsAfresh)
{
    CTessarynDoc doc;
    doc.OnNewDocument();
    EXPECT_FALSE(doc.isModified());
    CStroke &first = doc.AddStroke();
    CStroke &second = doc.AddStroke();
    EXPECT_TRUE(doc.isModified());
    ASSERT_EQ(doc.strokes().size(), 2u);
    EXPECT_EQ(doc.strokes()[0].get(), &first);
    EXPECT_EQ(doc.strokes()[1].get(), &second);
    EXPECT_EQ(second.lineWidth(), 2u);

    doc.setTitle(u"a.sk");
    doc.OnNewDocument();
    EXPECT_TRUE(doc.strokes().empty());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.title(), u"関数");
    EXPECT_EQ(doc.drawPen(), (Pen{PenStyle::Solid, 2, Colors::Black}));
}

TEST(TessarynDoc, ClearAllEmptiesUnmodifiesRepaintsAndKeepsTheMode)
{
    CTessarynDoc doc;
    doc.OnNewDocument();
    int repaints = 0;
    doc.setUpdateHandler([&] { ++repaints; });
    EXPECT_TRUE(doc.OnCommand(CTessarynDoc::kCmdPointSymmetry));
    doc.AddStroke().appendPoint(3, 4);
    ASSERT_TRUE(doc.isModified());

    EXPECT_TRUE(doc.OnCommand(CTessarynDoc::kCmdClearAll));
    EXPECT_TRUE(doc.strokes().empty());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(doc.symmetryMode(), kSymmetryPoint);
}

TEST(TessarynDoc, SymmetryCommandsNeitherModifyNorRepaintAndSurviveNew)
{
    CTessarynDoc doc;
    doc.OnNewDocument();
    int repaints = 0;
    doc.setUpdateHandler([&] { ++repaints; });
    EXPECT_EQ(doc.symmetryMode(), kSymmetryNone);
    EXPECT_TRUE(doc.OnCommand(CTessarynDoc::kCmdLineSymmetry));
    EXPECT_EQ(doc.symmetryMode(), kSymmetryLine);
    EXPECT_TRUE(doc.OnCommand(CTessarynDoc::kCmdPointSymmetry));
    EXPECT_EQ(doc.symmetryMode(), kSymmetryPoint);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(repaints, 0);
    EXPECT_FALSE(doc.OnCommand(57634));

    doc.OnNewDocument();
    EXPECT_EQ(doc.symmetryMode(), kSymmetryPoint);
}

TEST(TessarynDoc, OpenTakesStrokesAndModeButNotTheStoredSize)
{
    CTessarynDoc doc;
    doc.OnNewDocument();
    doc.AddStroke();
    ASSERT_EQ(doc.OnOpenDocument(fileInMode(kSymmetryPoint, {640, 480})), ArchiveError::None);
    EXPECT_EQ(doc.symmetryMode(), kSymmetryPoint);
    EXPECT_FALSE(doc.isModified());
    ASSERT_EQ(doc.strokes().size(), 1u);
    EXPECT_EQ(doc.strokes()[0]->lineWidth(), 5u);
    // The pen of new strokes is the default again, and the size read is replaced.
    EXPECT_EQ(doc.lineWidth(), 2u);
    EXPECT_EQ(doc.extent(), (Size{200, 200}));
    EXPECT_EQ(doc.Serialize()[0], 0xC8);
}

TEST(TessarynDoc, FailedOpenLeavesAnEmptyUnmodifiedDocumentAndTheMode)
{
    CTessarynDoc doc;
    doc.OnNewDocument();
    doc.OnLineSymmetry();
    doc.AddStroke();
    std::vector<std::uint8_t> bytes = fileInMode(kSymmetryPoint, {200, 200});
    bytes.pop_back();
    EXPECT_EQ(doc.OnOpenDocument(bytes), ArchiveError::FileTooShort);
    EXPECT_TRUE(doc.strokes().empty());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.symmetryMode(), kSymmetryLine);
}
