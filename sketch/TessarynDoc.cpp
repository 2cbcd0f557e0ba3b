#include "sketch/TessarynDoc.h"

CTessarynDoc::CTessarynDoc()
{
    setUpPen();
}

void CTessarynDoc::OnNewDocument()
{
    DeleteContents();
    m_modified = false;
    m_title = u"関数";
    setUpPen();
}

ArchiveError CTessarynDoc::OnOpenDocument(std::span<const std::uint8_t> bytes)
{
    DeleteContents();
    SketchReadResult result = ReadSketch(bytes);
    if (!result.ok()) {
        OnNewDocument();
        return result.error;
    }
    m_strokes = std::move(result.contents.strokes);
    m_symmetryMode = result.contents.mode;
    m_modified = false;
    setUpPen();
    // The size read from the file is not used: every opened document is 200 x 200.
    m_extent = kDefaultExtent;
    return ArchiveError::None;
}

std::vector<std::uint8_t> CTessarynDoc::Serialize() const
{
    return WriteSketch(m_extent, m_symmetryMode, m_strokes);
}

void CTessarynDoc::DeleteContents()
{
    m_strokes.clear();
}

bool CTessarynDoc::OnCommand(int id)
{
    switch (id) {
    case kCmdClearAll:
        OnClearAll();
        return true;
    case kCmdLineSymmetry:
        OnLineSymmetry();
        return true;
    case kCmdPointSymmetry:
        OnPointSymmetry();
        return true;
    default:
        return false;
    }
}

void CTessarynDoc::OnClearAll()
{
    DeleteContents();
    m_modified = false;
    UpdateAllViews();
}

CStroke &CTessarynDoc::AddStroke()
{
    m_strokes.push_back(std::make_unique<CStroke>(m_lineWidth));
    m_modified = true;
    return *m_strokes.back();
}

void CTessarynDoc::UpdateAllViews() const
{
    if (m_updateHandler) m_updateHandler();
}

void CTessarynDoc::setUpPen()
{
    m_lineWidth = kDefaultLineWidth;
    m_drawPen = Pen{PenStyle::Solid, static_cast<int>(m_lineWidth), Colors::Black};
}
