// The tile loader: any bytes either decode to an opaque image of the size
// the header gives or are refused with EInvalidGraphic.
#include "toolkit/dib.h"
#include "toolkit/types.h"

#include <QImage>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const QImage image = DecodeDib({data, size}, "fuzz");
        if (image.isNull() || image.hasAlphaChannel())
            std::abort();   // a success must be a real, opaque picture
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
