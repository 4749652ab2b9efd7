#pragma once

#include <cstdint>

#include "platform/Surface.h"

namespace MaskedBlit {

// Copies a Width x Height rectangle from the source at (SrcX, SrcY) to the
// destination at (X, Y), leaving the destination untouched wherever the source
// pixel is exactly TransColor (0x00BBGGRR). Both rectangles are clipped to
// their surfaces; nothing outside the target rectangle changes.
void BlitTransparent(platform::DeviceContext hDestDC, int32_t X, int32_t Y, int32_t Width,
                     int32_t Height, platform::DeviceContext hSrcDC, int32_t SrcX, int32_t SrcY,
                     uint32_t TransColor);

}  // namespace MaskedBlit
