#pragma once
// The smallest baseline JPEG that image decoders accept: one 8x8 grey block.

#include <string>
#include <string_view>

// A JPEG segment: FF, marker, then a big-endian length that counts itself.
std::string JpegSegment(unsigned char marker, std::string_view payload);

// A JFIF APP0 segment (version 1.01, no thumbnail), as editing software writes
// first in the files it saves.
std::string JfifSegment();

// SOI, the given header segments, then the tables, frame, scan and EOI of an
// 8x8 mid-grey greyscale image.
std::string MinimalJpeg(std::string_view headerSegments);
