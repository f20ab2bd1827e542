// A picture resource as arbitrary bytes: decoded into exactly its pixels, or refused
// with a reason.
#include <cstdint>
#include <cstdlib>

#include "shell/dib_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto image = tnx::DecodeDib({data, size}, error);
    if (!image) {
        if (error.empty()) std::abort();
        return 0;
    }
    if (image->Width <= 0 || image->Height <= 0 || image->Width > tnx::kMaxDibSide ||
        image->Height > tnx::kMaxDibSide ||
        image->Pixels.size() != static_cast<std::size_t>(image->Width) * static_cast<std::size_t>(image->Height))
        std::abort();
    return 0;
}
