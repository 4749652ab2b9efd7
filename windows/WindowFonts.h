#pragma once

#include <QFont>
#include <QString>
#include <QStringView>
#include <QWidget>
#include <cstdio>

#include "platform/MessageBox.h"

namespace windows::window_fonts {

// Registers the font the build cut to our texts and maps the Windows font
// names of our layouts onto it (Japanese) or onto the nearest installed faces
// (Latin), so Japanese and Latin glyphs of one label come from one font. The
// message boxes take the windows' face too.
void RegisterSubstitutes();

// The face the layouts ask for by default, at the size they ask for it.
QFont WindowFont();

// Gives the window and each widget in it whose form sets a `pixelSize`
// property a font of that many pixels. Designer's font property holds points,
// which would grow with the screen's DPI; the forms say the family there and
// the size in pixels beside it. Call after setupUi, before any text is set.
void ApplyFormPixelSizes(QWidget& window);

// Every character of the texts the windows and the game show, as the build
// collected them for the font.
QString UiCharacters();

// True when some font here, fallbacks included, draws every character.
bool Covers(const QFont& font, QStringView text);

// Where no font draws every one of the characters, says so once, in plain
// English on the log and in a box, with the packages that bring one.
// True when they can be drawn.
bool CheckReadable(QStringView characters, platform::MessageBox& box, std::FILE* log = stderr);

}  // namespace windows::window_fonts
