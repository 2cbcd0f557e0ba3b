#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

/// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

constexpr Rgb rgb(int r, int g, int b)
{
    return (static_cast<Rgb>(r & 0xFF) << 16) | (static_cast<Rgb>(g & 0xFF) << 8) |
           static_cast<Rgb>(b & 0xFF);
}

namespace Colors {
constexpr Rgb Black = 0x000000;
constexpr Rgb White = 0xFFFFFF;
constexpr Rgb Red = 0xFF0000;
constexpr Rgb Green = 0x00FF00;
constexpr Rgb Blue = 0x0000FF;
constexpr Rgb Yellow = 0xFFFF00;
constexpr Rgb Cyan = 0x00FFFF;
constexpr Rgb Magenta = 0xFF00FF;
constexpr Rgb NearBlack = 0x0F0F0F;
} // namespace Colors

/// The classic 20-colour system palette, addressed by index 0..19 in `Canvas::setPixelIndex`.
extern const std::array<Rgb, 20> kSystemPalette;

struct Point
{
    int x = 0;
    int y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

struct Size
{
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size &, const Size &) = default;
};

/// A rectangle in pixels; left/top inclusive, right/bottom exclusive.
struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const Rect &, const Rect &) = default;
};

enum class PenStyle
{
    Solid,
    Dot,
    Null
};

/// A pen: style, width in pixels (at least 1) and colour. A dotted pen wider than 1 draws solid.
struct Pen
{
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Rgb color = Colors::Black;
    friend bool operator==(const Pen &, const Pen &) = default;
};

/// A fill: a solid colour, or hollow (no fill).
struct Brush
{
    Rgb color = Colors::White;
    bool hollow = false;
    static Brush solid(Rgb c) { return Brush{c, false}; }
    static Brush none() { return Brush{Colors::White, true}; }
    friend bool operator==(const Brush &, const Brush &) = default;
};

/// A font by cell height in pixels, weight (0 default, 400 normal, 700 bold, 800), character set
/// (0, 1 or 128 = Japanese) and the classic face name; the window layer maps face names to
/// installed families in one table.
struct Font
{
    int height = 16;
    int weight = 0;
    int charset = 0;
    std::u16string face = u"system";
    friend bool operator==(const Font &, const Font &) = default;
};

enum class BkMode
{
    Opaque,
    Transparent
};

enum class StockIcon
{
    Application,
    Information,
    Warning,
    Question,
    Exclamation
};

/// Font measurements in pixels.
struct TextMetrics
{
    int height = 0;          ///< cell height (ascent + descent)
    int ascent = 0;          ///< from the top of the cell to the baseline
    int aveCharWidth = 0;    ///< average character width
    int externalLeading = 0; ///< extra space between lines
};

/// The drawing surface of a window's client area, with the semantics of a classic 2-D device
/// context.
///
/// Coordinates are client pixels: origin top left, x to the right, y downwards. Current objects
/// (pen, brush, font, text colour, background mode, clip) stay selected until replaced; `select`
/// returns the previous object so that the RAII scopes below can restore it. The public functions
/// apply the shared rules (guards, current position, normalised objects) and then call the
/// implementation.
class Canvas
{
public:
    virtual ~Canvas() = default;

    /// The default objects of a fresh canvas: black 1-pixel solid pen, white brush, the system
    /// font, black text on an opaque white background, no clip.
    static Font defaultFont();

    Pen select(const Pen &pen);
    Brush select(const Brush &brush);
    Font select(const Font &font);
    Rgb setTextColor(Rgb color);
    BkMode setBkMode(BkMode mode);
    /// Restricts drawing to a rectangle (nullopt: no clip); returns the previous clip.
    std::optional<Rect> setClip(std::optional<Rect> clip);

    const Pen &pen() const { return m_pen; }
    const Brush &brush() const { return m_brush; }
    const Font &font() const { return m_font; }
    Rgb textColor() const { return m_textColor; }
    BkMode bkMode() const { return m_bkMode; }
    const std::optional<Rect> &clip() const { return m_clip; }
    Point currentPosition() const { return m_position; }

    /// Size of the surface in pixels (the client area).
    virtual Size size() const = 0;

    /// Sets the current position without drawing.
    void moveTo(int x, int y);
    /// Draws with the current pen from the current position to (x, y); (x, y) itself is not drawn
    /// and becomes the current position.
    void lineTo(int x, int y);
    /// Ellipse inscribed in (left, top)-(right, bottom), right/bottom exclusive; current pen and
    /// brush.
    void ellipse(int left, int top, int right, int bottom);
    /// Arc of the ellipse inscribed in the rectangle, counter-clockwise (on screen) from the ray
    /// through (xs, ys) to the ray through (xe, ye), both rays from the rectangle's centre; current
    /// pen.
    void arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);
    /// Rectangle outlined with the current pen and filled with the current brush, right/bottom
    /// exclusive.
    void rectangle(int left, int top, int right, int bottom);
    /// As `rectangle`, with corners rounded by 4 x 4 pixel ellipses.
    void roundRect(int left, int top, int right, int bottom);
    /// Closed polygon outlined with the current pen and filled with the current brush.
    void polygon(std::span<const Point> points);
    /// Fills left/top inclusive, right/bottom exclusive, with no outline and without touching the
    /// brush.
    void fillRect(const Rect &rect, Rgb color);
    void setPixel(int x, int y, Rgb color);
    /// Sets a pixel to entry `index` (0..19) of the system palette; other indices are clamped.
    void setPixelIndex(int x, int y, int index);
    /// Sets `colors.size()` pixels from (x, y) rightwards: the fast path for figures drawn pixel by
    /// pixel.
    void setPixelRun(int x, int y, std::span<const Rgb> colors);

    /// Draws text with the top-left of its cell at (x, y) in the current font and text colour; with
    /// an opaque background mode the cell is first filled white.
    void textOut(int x, int y, std::u16string_view text);
    /// Width and height of a text in the current font.
    Size textExtent(std::u16string_view text);
    TextMetrics textMetrics();

    /// Draws a 32 x 32 icon with its top-left corner at (x, y).
    void drawIcon(int x, int y, StockIcon icon);
    /// Copies bitmap resource `id` to (x, y) with the AND raster operation (white leaves the
    /// surface unchanged). An unknown id draws nothing.
    void drawBitmap(int x, int y, int id);

protected:
    virtual void doSelectPen(const Pen &pen) = 0;
    virtual void doSelectBrush(const Brush &brush) = 0;
    virtual void doSelectFont(const Font &font) = 0;
    virtual void doSetTextColor(Rgb color) = 0;
    virtual void doSetBkMode(BkMode mode) = 0;
    virtual void doSetClip(const std::optional<Rect> &clip) = 0;
    virtual void doMoveTo(int x, int y) = 0;
    virtual void doLine(Point from, Point to) = 0;
    virtual void doEllipse(const Rect &rect) = 0;
    virtual void doArc(const Rect &rect, Point start, Point end) = 0;
    virtual void doRectangle(const Rect &rect) = 0;
    virtual void doRoundRect(const Rect &rect) = 0;
    virtual void doPolygon(std::span<const Point> points) = 0;
    virtual void doFillRect(const Rect &rect, Rgb color) = 0;
    virtual void doSetPixel(int x, int y, Rgb color) = 0;
    /// Default: one `doSetPixel` per pixel.
    virtual void doSetPixelRun(int x, int y, std::span<const Rgb> colors);
    virtual void doTextOut(int x, int y, std::u16string_view text) = 0;
    virtual Size doTextExtent(std::u16string_view text) = 0;
    virtual TextMetrics doTextMetrics() = 0;
    virtual void doDrawIcon(int x, int y, StockIcon icon) = 0;
    virtual void doDrawBitmap(int x, int y, int id) = 0;

private:
    Pen m_pen;
    Brush m_brush;
    Font m_font = defaultFont();
    Rgb m_textColor = Colors::Black;
    BkMode m_bkMode = BkMode::Opaque;
    std::optional<Rect> m_clip;
    Point m_position;
};

/// Selects a pen for the lifetime of the scope and restores the previous one.
class PenScope
{
public:
    PenScope(Canvas &canvas, const Pen &pen) : m_canvas(canvas), m_previous(canvas.select(pen)) {}
    ~PenScope() { m_canvas.select(m_previous); }
    PenScope(const PenScope &) = delete;
    PenScope &operator=(const PenScope &) = delete;

private:
    Canvas &m_canvas;
    Pen m_previous;
};

/// Selects a brush for the lifetime of the scope and restores the previous one.
class BrushScope
{
public:
    BrushScope(Canvas &canvas, const Brush &brush)
        : m_canvas(canvas), m_previous(canvas.select(brush))
    {}
    ~BrushScope() { m_canvas.select(m_previous); }
    BrushScope(const BrushScope &) = delete;
    BrushScope &operator=(const BrushScope &) = delete;

private:
    Canvas &m_canvas;
    Brush m_previous;
};

/// Selects a font for the lifetime of the scope and restores the previous one.
class FontScope
{
public:
    FontScope(Canvas &canvas, const Font &font) : m_canvas(canvas), m_previous(canvas.select(font))
    {}
    ~FontScope() { m_canvas.select(m_previous); }
    FontScope(const FontScope &) = delete;
    FontScope &operator=(const FontScope &) = delete;

private:
    Canvas &m_canvas;
    Font m_previous;
};

/// Sets the text colour for the lifetime of the scope and restores the previous one.
class TextColorScope
{
public:
    TextColorScope(Canvas &canvas, Rgb color)
        : m_canvas(canvas), m_previous(canvas.setTextColor(color))
    {}
    ~TextColorScope() { m_canvas.setTextColor(m_previous); }
    TextColorScope(const TextColorScope &) = delete;
    TextColorScope &operator=(const TextColorScope &) = delete;

private:
    Canvas &m_canvas;
    Rgb m_previous;
};

/// Sets the background mode for the lifetime of the scope and restores the previous one.
class BkModeScope
{
public:
    BkModeScope(Canvas &canvas, BkMode mode) : m_canvas(canvas), m_previous(canvas.setBkMode(mode))
    {}
    ~BkModeScope() { m_canvas.setBkMode(m_previous); }
    BkModeScope(const BkModeScope &) = delete;
    BkModeScope &operator=(const BkModeScope &) = delete;

private:
    Canvas &m_canvas;
    BkMode m_previous;
};

/// Restricts drawing to a rectangle for the lifetime of the scope and restores the previous clip.
class ClipScope
{
public:
    ClipScope(Canvas &canvas, const Rect &clip) : m_canvas(canvas), m_previous(canvas.setClip(clip))
    {}
    ~ClipScope() { m_canvas.setClip(m_previous); }
    ClipScope(const ClipScope &) = delete;
    ClipScope &operator=(const ClipScope &) = delete;

private:
    Canvas &m_canvas;
    std::optional<Rect> m_previous;
};
