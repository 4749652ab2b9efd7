#pragma once

#include <QFont>
#include <QString>

namespace WindowFonts {

// Maps the Windows font names of our layouts onto the nearest fonts installed
// here, so Japanese and Latin glyphs of one label come from one font.
void RegisterSubstitutes();

}  // namespace WindowFonts
