// Reader for the 4-bit device-independent bitmaps that the tiles and the
// icon are stored as. Every length and offset is checked against the data
// before it is read; anything else is refused with EInvalidGraphic.
#pragma once

#include <cstdint>
#include <span>
#include <string>

class QImage;

// A bitmap resource: information header, 16-entry colour table, pixels.
// The result is an opaque RGB image.
QImage DecodeDib(std::span<const std::uint8_t> data, const std::string& name);

// An icon image: the same layout with a doubled height, the colour pixels
// followed by a 1-bit transparency mask. The result has an alpha channel.
QImage DecodeIconDib(std::span<const std::uint8_t> data, const std::string& name);

// An icon file or icon group resource holding one or more images: the image
// of the given size (or the first one when none has it).
QImage DecodeIcon(std::span<const std::uint8_t> data, const std::string& name, int size = 32);
