#include "render/jpegdensity.h"

#include <cstdint>

namespace zorvan {

namespace {

constexpr double kCmPerInch = 2.54;

class ByteView {
public:
    ByteView(const QByteArray &bytes, qsizetype begin, qsizetype end, bool bigEndian)
        : m_bytes(bytes), m_begin(begin), m_end(end), m_bigEndian(bigEndian) {}

    bool has(qsizetype offset, qsizetype count) const
    {
        return offset >= 0 && count >= 0 && m_begin + offset + count <= m_end;
    }
    std::uint32_t u8(qsizetype offset) const
    {
        return static_cast<std::uint8_t>(m_bytes.at(m_begin + offset));
    }
    std::uint32_t u16(qsizetype offset) const
    {
        return m_bigEndian ? (u8(offset) << 8) | u8(offset + 1) : u8(offset) | (u8(offset + 1) << 8);
    }
    std::uint32_t u32(qsizetype offset) const
    {
        return m_bigEndian ? (u16(offset) << 16) | u16(offset + 2) : u16(offset) | (u16(offset + 2) << 16);
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_begin;
    qsizetype m_end;
    bool m_bigEndian;
};

std::optional<ImageResolution> JfifDensity(const QByteArray &bytes, qsizetype begin, qsizetype end)
{
    const ByteView v(bytes, begin, end, true);
    if (!v.has(0, 12) || bytes.mid(begin, 5) != QByteArrayLiteral("JFIF\0"))
        return std::nullopt;
    const std::uint32_t unit = v.u8(7);
    const double x = v.u16(8);
    const double y = v.u16(10);
    // Unit 0 gives only the aspect ratio of the pixels, not a density.
    if ((unit != 1 && unit != 2) || x <= 0 || y <= 0)
        return std::nullopt;
    const double scale = unit == 2 ? kCmPerInch : 1.0;
    return ImageResolution{x * scale, y * scale};
}

std::optional<double> ExifRational(const ByteView &tiff, qsizetype entry)
{
    const std::uint32_t type = tiff.u16(entry + 2);
    const qsizetype offset = tiff.u32(entry + 8);
    if (type != 5 || !tiff.has(offset, 8))
        return std::nullopt;
    const double numerator = tiff.u32(offset);
    const double denominator = tiff.u32(offset + 4);
    if (denominator <= 0 || numerator <= 0)
        return std::nullopt;
    return numerator / denominator;
}

std::optional<ImageResolution> ExifDensity(const QByteArray &bytes, qsizetype begin, qsizetype end)
{
    if (end - begin < 14 || bytes.mid(begin, 6) != QByteArrayLiteral("Exif\0\0"))
        return std::nullopt;
    const qsizetype tiffBegin = begin + 6;
    const QByteArray order = bytes.mid(tiffBegin, 2);
    if (order != "II" && order != "MM")
        return std::nullopt;
    const ByteView tiff(bytes, tiffBegin, end, order == "MM");
    const qsizetype ifd = tiff.u32(4);
    if (!tiff.has(ifd, 2))
        return std::nullopt;
    const std::uint32_t count = tiff.u16(ifd);
    std::optional<double> x;
    std::optional<double> y;
    std::uint32_t unit = 2; // inches unless the file says otherwise
    for (std::uint32_t i = 0; i < count; ++i) {
        const qsizetype entry = ifd + 2 + static_cast<qsizetype>(i) * 12;
        if (!tiff.has(entry, 12))
            break;
        switch (tiff.u16(entry)) {
        case 0x011A: x = ExifRational(tiff, entry); break;
        case 0x011B: y = ExifRational(tiff, entry); break;
        case 0x0128: unit = tiff.u16(entry + 8); break;
        default: break;
        }
    }
    if (!x || !y || (unit != 2 && unit != 3))
        return std::nullopt;
    const double scale = unit == 3 ? kCmPerInch : 1.0;
    return ImageResolution{*x * scale, *y * scale};
}

} // namespace

std::optional<ImageResolution> ReadJpegDensity(const QByteArray &bytes)
{
    if (bytes.size() < 4 || static_cast<std::uint8_t>(bytes.at(0)) != 0xFF
        || static_cast<std::uint8_t>(bytes.at(1)) != 0xD8)
        return std::nullopt;
    std::optional<ImageResolution> exif;
    qsizetype pos = 2;
    while (pos + 4 <= bytes.size()) {
        if (static_cast<std::uint8_t>(bytes.at(pos)) != 0xFF)
            break;
        const std::uint8_t marker = static_cast<std::uint8_t>(bytes.at(pos + 1));
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        // Start of scan or end of image: no header segments follow.
        if (marker == 0xDA || marker == 0xD9)
            break;
        const qsizetype length = (static_cast<std::uint8_t>(bytes.at(pos + 2)) << 8)
                                 | static_cast<std::uint8_t>(bytes.at(pos + 3));
        if (length < 2)
            break;
        const qsizetype begin = pos + 4;
        const qsizetype end = std::min<qsizetype>(pos + 2 + length, bytes.size());
        if (marker == 0xE0) {
            if (auto jfif = JfifDensity(bytes, begin, end))
                return jfif;
        } else if (marker == 0xE1 && !exif) {
            exif = ExifDensity(bytes, begin, end);
        }
        pos += 2 + length;
    }
    return exif;
}

} // namespace zorvan
