#include "widgets/RegionData.h"

#include <QRect>

#include <stdexcept>
#include <string>

namespace {

constexpr int kHeaderSize = 32;
constexpr int kRectSize = 16;
constexpr int kCountSize = 4;
constexpr quint32 kRectanglesType = 1;

void putInt(QByteArray& out, qint32 value)
{
    const auto bits = quint32(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((bits >> shift) & 0xFF));
}

qint32 getInt(const QByteArray& in, qsizetype at)
{
    quint32 bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= quint32(quint8(in[at + i])) << (8 * i);
    return qint32(bits);
}

void putRect(QByteArray& out, const QRect& rect)
{
    putInt(out, rect.left());
    putInt(out, rect.top());
    putInt(out, rect.x() + rect.width());
    putInt(out, rect.y() + rect.height());
}

[[noreturn]] void fail(const std::string& why)
{
    throw std::runtime_error("Invalid region data: " + why);
}

} // namespace

namespace RegionData {

QByteArray fromRegion(const QRegion& region)
{
    QByteArray out;
    const auto count = qint32(region.rectCount());
    out.reserve(kHeaderSize + count * kRectSize);
    putInt(out, kHeaderSize);
    putInt(out, qint32(kRectanglesType));
    putInt(out, count);
    putInt(out, count * kRectSize);
    if (region.isEmpty())
        putRect(out, QRect(0, 0, 0, 0));
    else
        putRect(out, region.boundingRect());
    for (const QRect& rect : region)
        putRect(out, rect);
    return out;
}

QRegion toRegion(const QByteArray& data)
{
    if (data.size() < kHeaderSize)
        fail("header of " + std::to_string(data.size()) + " bytes is shorter than 32");
    if (getInt(data, 0) != kHeaderSize)
        fail("header size " + std::to_string(getInt(data, 0)) + " instead of 32");
    if (quint32(getInt(data, 4)) != kRectanglesType)
        fail("type " + std::to_string(getInt(data, 4)) + " is not rectangles");
    const qint32 count = getInt(data, 8);
    if (count < 0 || qint64(count) * kRectSize > data.size() - kHeaderSize)
        fail(std::to_string(count) + " rectangles do not fit in " + std::to_string(data.size()) + " bytes");
    QRegion region;
    for (qint32 i = 0; i < count; ++i) {
        const qsizetype at = kHeaderSize + qsizetype(i) * kRectSize;
        const qint32 left = getInt(data, at);
        const qint32 top = getInt(data, at + 4);
        const qint32 right = getInt(data, at + 8);
        const qint32 bottom = getInt(data, at + 12);
        if (right > left && bottom > top)
            region += QRect(left, top, right - left, bottom - top);
    }
    return region;
}

QByteArray toMaskStream(const QRegion& region)
{
    QByteArray out;
    if (region.isEmpty()) {
        putInt(out, 0);
        return out;
    }
    const QByteArray data = fromRegion(region);
    putInt(out, qint32(data.size()));
    out.append(data);
    return out;
}

QRegion fromMaskStream(const QByteArray& stream)
{
    if (stream.size() < kCountSize)
        fail("mask stream of " + std::to_string(stream.size()) + " bytes has no byte count");
    const qint32 count = getInt(stream, 0);
    if (count < 0 || count != stream.size() - kCountSize)
        fail("byte count " + std::to_string(count) + " but " + std::to_string(stream.size() - kCountSize)
             + " bytes follow");
    if (count == 0)
        return {};
    return toRegion(stream.mid(kCountSize));
}

} // namespace RegionData
