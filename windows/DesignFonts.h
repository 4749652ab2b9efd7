#pragma once

#include <QFont>
#include <QString>

namespace DesignFonts {

// Maps the design's Windows font names onto the nearest fonts installed
// here, so Japanese and Latin glyphs of one label come from one font.
void RegisterSubstitutes();

// A font of the design, sized as the design's points would be at 96 dpi.
QFont Make(const QString& family, double points, bool bold = false);

}  // namespace DesignFonts
