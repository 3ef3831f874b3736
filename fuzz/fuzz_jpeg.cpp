// The JPEG picture: any bytes either decode to a picture or are refused
// with EInvalidGraphic, leaving the picture empty.
#include "toolkit/jpeg.h"
#include "toolkit/types.h"

#include <QImage>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TJPEGImage picture;
    try {
        picture.LoadFromBytes({data, size}, "fuzz");
        if (picture.Empty() || picture.Width() <= 0 || picture.Height() <= 0)
            std::abort();
    } catch (const EInvalidGraphic&) {
        if (!picture.Empty())
            std::abort();
    }
    return 0;
}
