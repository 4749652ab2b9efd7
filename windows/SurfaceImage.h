#pragma once

#include <QImage>

#include "graphics/Surface.h"

namespace windows {

// The surface's own pixels seen as an image, without a copy: the image is good
// only while the surface lives and keeps its size.
inline QImage ImageOf(const graphics::Surface& surface) {
    return QImage(reinterpret_cast<const uchar*>(surface.Bits()), surface.Width(), surface.Height(),
                  surface.Width() * 4, QImage::Format_RGB32);
}

}  // namespace windows
