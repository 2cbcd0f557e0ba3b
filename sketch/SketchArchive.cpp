#include "sketch/SketchArchive.h"

#include <cassert>
#include <cstring>
#include <string_view>

namespace {

// Tags of the archive scheme. A 16-bit tag with the top bit set refers to a class entry, one
// without it to an object entry (0 being the null entry); 0x7FFF announces a 32-bit tag of the same
// meaning, and 0xFFFF a class record that follows.
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint32_t kBigClassTag = 0x80000000;
// Entries are numbered from 1 in the order met: the stroke class takes 1 in every file written
// here.
constexpr std::uint16_t kStrokeClassReference = kClassTag | 1;
// Counts below this fit 16 bits; otherwise 0xFFFF precedes a 32-bit count.
constexpr std::uint16_t kBigCount = 0xFFFF;

// The smallest stroke record: a 16-bit tag, the pen width and an empty point count.
constexpr std::size_t kMinStrokeRecordBytes = 6;
constexpr std::size_t kPointBytes = 4;

class ByteWriter
{
public:
    void u16(std::uint16_t v)
    {
        m_bytes.push_back(static_cast<std::uint8_t>(v));
        m_bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v)
    {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void count(std::size_t n)
    {
        // Nothing in memory comes near 2^32 strokes or points per stroke.
        assert(n <= 0xFFFFFFFFu);
        if (n < kBigCount) {
            u16(static_cast<std::uint16_t>(n));
        } else {
            u16(kBigCount);
            u32(static_cast<std::uint32_t>(n));
        }
    }
    void text(std::string_view s) { m_bytes.insert(m_bytes.end(), s.begin(), s.end()); }
    void reserve(std::size_t n) { m_bytes.reserve(n); }
    std::vector<std::uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};

// Reads little-endian fields; every read checks the bytes left and reports a short file.
class ByteReader
{
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t remaining() const { return m_bytes.size() - m_pos; }

    bool u16(std::uint16_t &v)
    {
        if (remaining() < 2) return false;
        v = static_cast<std::uint16_t>(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
        m_pos += 2;
        return true;
    }
    bool u32(std::uint32_t &v)
    {
        std::uint16_t low = 0;
        std::uint16_t high = 0;
        if (remaining() < 4 || !u16(low) || !u16(high)) return false;
        v = (std::uint32_t{high} << 16) | low;
        return true;
    }
    bool count(std::uint32_t &n)
    {
        std::uint16_t small = 0;
        if (!u16(small)) return false;
        if (small != kBigCount) {
            n = small;
            return true;
        }
        return u32(n);
    }
    bool text(std::size_t length, std::string_view &s)
    {
        if (remaining() < length) return false;
        s = {reinterpret_cast<const char *>(m_bytes.data() + m_pos), length};
        m_pos += length;
        return true;
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

// The table of entries met so far, numbered from 1: class records and strokes.
class EntryTable
{
public:
    void addClass() { m_isClass.push_back(true); }
    void addObject() { m_isClass.push_back(false); }
    bool isClass(std::uint32_t index) const
    {
        return index >= 1 && index <= m_isClass.size() && m_isClass[index - 1];
    }

private:
    std::vector<bool> m_isClass;
};

class SketchReader
{
public:
    explicit SketchReader(std::span<const std::uint8_t> bytes) : m_in(bytes) {}

    ArchiveError read(SketchContents &out)
    {
        std::uint32_t width = 0;
        std::uint32_t height = 0;
        std::uint32_t strokeCount = 0;
        if (!m_in.u32(width) || !m_in.u32(height) || !m_in.u16(out.mode) ||
            !m_in.count(strokeCount))
            return ArchiveError::FileTooShort;
        out.extent = {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
        // The count is not trusted: reserve no more records than the remaining bytes can hold.
        out.strokes.reserve(
            std::min<std::size_t>(strokeCount, m_in.remaining() / kMinStrokeRecordBytes));
        for (std::uint32_t i = 0; i < strokeCount; ++i) {
            auto stroke = std::make_unique<CStroke>();
            if (const ArchiveError e = readStroke(*stroke); e != ArchiveError::None) return e;
            out.strokes.push_back(std::move(stroke));
        }
        return ArchiveError::None;
    }

private:
    ArchiveError readStroke(CStroke &stroke)
    {
        if (const ArchiveError e = readTag(); e != ArchiveError::None) return e;
        m_entries.addObject();
        std::uint16_t width = 0;
        std::uint32_t pointCount = 0;
        if (!m_in.u16(width) || !m_in.count(pointCount)) return ArchiveError::FileTooShort;
        if (pointCount > m_in.remaining() / kPointBytes) return ArchiveError::FileTooShort;
        std::vector<std::uint32_t> points(pointCount);
        for (std::uint32_t &p : points) {
            if (!m_in.u32(p)) return ArchiveError::FileTooShort;
        }
        stroke.setLineWidth(width);
        stroke.setPoints(std::move(points));
        return ArchiveError::None;
    }

    // Reads the tag before a stroke's data. Only the stroke class may follow; a null entry or a
    // reference to a stroke already read would put one stroke twice into the list.
    ArchiveError readTag()
    {
        std::uint16_t tag = 0;
        if (!m_in.u16(tag)) return ArchiveError::FileTooShort;
        if (tag == kNewClassTag) return readClassRecord();
        std::uint32_t fullTag = ((std::uint32_t{tag} & kClassTag) << 16) | (tag & 0x7FFFu);
        if (tag == kBigObjectTag && !m_in.u32(fullTag)) return ArchiveError::FileTooShort;
        if ((fullTag & kBigClassTag) == 0) return ArchiveError::BadFormat;
        return m_entries.isClass(fullTag & ~kBigClassTag) ? ArchiveError::None
                                                          : ArchiveError::BadFormat;
    }

    ArchiveError readClassRecord()
    {
        std::uint16_t schema = 0;
        std::uint16_t nameLength = 0;
        std::string_view name;
        if (!m_in.u16(schema) || !m_in.u16(nameLength) || !m_in.text(nameLength, name))
            return ArchiveError::FileTooShort;
        if (name != CStroke::kClassName) return ArchiveError::UnexpectedObject;
        if (schema != CStroke::kSchema) return ArchiveError::BadSchema;
        m_entries.addClass();
        return ArchiveError::None;
    }

    ByteReader m_in;
    EntryTable m_entries;
};

} // namespace

std::vector<std::uint8_t> WriteSketch(Size extent, SymmetryMode mode,
                                      std::span<const std::unique_ptr<CStroke>> strokes)
{
    // At most: the header with a 32-bit count, one class record, and per stroke a tag, the width, a
    // 32-bit point count and the points.
    const std::string_view name = CStroke::kClassName;
    ByteWriter out;
    std::size_t size = 14 + 6 + name.size();
    for (const auto &stroke : strokes)
        size += 10 + stroke->points().size() * kPointBytes;
    out.reserve(size);

    out.u32(static_cast<std::uint32_t>(extent.cx));
    out.u32(static_cast<std::uint32_t>(extent.cy));
    out.u16(mode);
    out.count(strokes.size());
    bool first = true;
    for (const auto &stroke : strokes) {
        if (first) {
            out.u16(kNewClassTag);
            out.u16(CStroke::kSchema);
            out.u16(static_cast<std::uint16_t>(name.size()));
            out.text(name);
            first = false;
        } else {
            out.u16(kStrokeClassReference);
        }
        out.u16(static_cast<std::uint16_t>(stroke->lineWidth()));
        out.count(stroke->points().size());
        for (const std::uint32_t p : stroke->points())
            out.u32(p);
    }
    return out.take();
}

SketchReadResult ReadSketch(std::span<const std::uint8_t> bytes)
{
    SketchReadResult result;
    result.error = SketchReader(bytes).read(result.contents);
    if (!result.ok()) result.contents = {};
    return result;
}
