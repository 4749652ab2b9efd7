#pragma once

#include <QFont>
#include <QString>

namespace WindowFonts {

// Maps the Windows font names of our layouts onto the nearest fonts installed
// here, so Japanese and Latin glyphs of one label come from one font.
void RegisterSubstitutes();

// A font sized as its points would be on a 96 dpi Windows screen.
QFont Make(const QString& family, double points, bool bold = false);

}  // namespace WindowFonts
