#pragma once

#include <QByteArray>
#include <QRegion>

// Region data in the window system's layout, as the shaped forms store
// their outline: a 32-byte header (size 32, type 1 = rectangles, rectangle
// count, byte size of the rectangles, bounding box) followed by the
// rectangles, each four little-endian 32-bit numbers left, top, right and
// bottom with right and bottom exclusive.
namespace RegionData {

QByteArray fromRegion(const QRegion& region);

// Throws std::runtime_error on data that is not region data.
QRegion toRegion(const QByteArray& data);

// The stored form of a mask: a 4-byte little-endian byte count followed by
// that many bytes of region data; a count of 0 means no region.
QByteArray toMaskStream(const QRegion& region);

// Reads a mask stream; an empty region for a count of 0. Throws
// std::runtime_error when the count disagrees with the bytes present.
QRegion fromMaskStream(const QByteArray& stream);

} // namespace RegionData
