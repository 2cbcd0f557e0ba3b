#pragma once

#include "sketch/SketchArchive.h"
#include "sketch/Stroke.h"
#include "sketch/SymmetryMode.h"
#include "ui/Canvas.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

/// The sketch document: the strokes drawn on the main window, in drawing order, and the symmetry
/// mode with which the view mirrors them. One document lives for the whole run and is reused for
/// every New and Open; the window layer reads and writes the file bytes and shows the messages.
class CTessarynDoc
{
public:
    /// Menu commands served by the document before the application sees them.
    static constexpr int kCmdClearAll = 57633;     ///< 画面クリア
    static constexpr int kCmdLineSymmetry = 2773;  ///< 線対称
    static constexpr int kCmdPointSymmetry = 2774; ///< 点対称

    /// Pen width in pixels of every new stroke, and the document size stored in files.
    static constexpr std::uint32_t kDefaultLineWidth = 2;
    static constexpr Size kDefaultExtent{200, 200};

    CTessarynDoc();

    /// New: clears the strokes, sets the title to "関数", sets up the pen, not modified.
    void OnNewDocument();
    /// Open from the bytes of a file: clears the strokes and reads them, takes the symmetry mode
    /// from the file, then sets up the pen and replaces the size read by 200 x 200. On error the
    /// document is left as after OnNewDocument (empty, not modified) and the symmetry mode keeps
    /// its value. The caller sets the title from the file name on success.
    ArchiveError OnOpenDocument(std::span<const std::uint8_t> bytes);
    /// The bytes of the document as saved to a file.
    std::vector<std::uint8_t> Serialize() const;
    /// Deletes every stroke (run before New and Open, and by 画面クリア).
    void DeleteContents();

    /// Runs one of the document's menu commands; false if `id` is not one of them.
    bool OnCommand(int id);
    /// 画面クリア: deletes every stroke, marks the document unmodified and repaints all views.
    void OnClearAll();
    void OnLineSymmetry() { m_symmetryMode = kSymmetryLine; }
    void OnPointSymmetry() { m_symmetryMode = kSymmetryPoint; }

    /// Appends a new stroke with the document's pen width and marks the document modified. The
    /// document owns the stroke; the reference stays valid until the strokes are deleted.
    CStroke &AddStroke();
    /// The strokes in drawing order. The view sets each stroke's mirror centre through it.
    const std::vector<std::unique_ptr<CStroke>> &strokes() const { return m_strokes; }

    /// The pen for live drawing: solid, black, `lineWidth()` wide.
    const Pen &drawPen() const { return m_drawPen; }
    std::uint32_t lineWidth() const { return m_lineWidth; }
    Size extent() const { return m_extent; }

    /// Application-wide: kept by New and 画面クリア, changed by the commands and by a successful
    /// load. Changing it neither marks the document modified nor repaints.
    SymmetryMode symmetryMode() const { return m_symmetryMode; }
    void setSymmetryMode(SymmetryMode mode) { m_symmetryMode = mode; }

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    const std::u16string &title() const { return m_title; }
    void setTitle(std::u16string title) { m_title = std::move(title); }

    /// Called when every view must repaint (and drop any stroke it holds after a clear).
    void setUpdateHandler(std::function<void()> handler) { m_updateHandler = std::move(handler); }
    void UpdateAllViews() const;

private:
    void setUpPen();

    std::vector<std::unique_ptr<CStroke>> m_strokes;
    std::uint32_t m_lineWidth = kDefaultLineWidth;
    Pen m_drawPen;
    Size m_extent = kDefaultExtent;
    SymmetryMode m_symmetryMode = kSymmetryNone;
    bool m_modified = false;
    std::u16string m_title;
    std::function<void()> m_updateHandler;
};
