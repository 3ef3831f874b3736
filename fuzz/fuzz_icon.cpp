// The icon loader, both as an icon group and as a single icon image.
#include "toolkit/dib.h"
#include "toolkit/types.h"

#include <QImage>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        if (DecodeIcon({data, size}, "fuzz").isNull())
            std::abort();
    } catch (const EInvalidGraphic&) {
    }
    try {
        if (DecodeIconDib({data, size}, "fuzz").isNull())
            std::abort();
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
