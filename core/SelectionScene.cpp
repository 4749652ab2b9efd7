#include <string>

#include "core/GameState.h"
#include "core/RosterLayout.h"
#include "core/Game.h"
#include "graphics/SheetNames.h"
#include "graphics/MaskedBlit.h"
#include "platform/CheckedMath.h"
#include "platform/RandomInt.h"

namespace game {
namespace {

int32_t RandomUpTo(double n) {
    return platform::RandomUpTo(World().random, n);
}

// Inclusive hit bands. Row y 129 belongs to both rows; the upper one wins.
int32_t SlotAt(int32_t X, int32_t Y) {
    if (X >= 200 && X <= 350 && Y >= 80 && Y <= 129) {
        return X <= 250 ? 0 : (X <= 300 ? 1 : 2);
    }
    if (X >= 240 && X <= 390 && Y >= 129 && Y <= 178) {
        return X <= 290 ? 3 : (X <= 340 ? 4 : 5);
    }
    return -1;
}

}  // namespace

void DrawRoster() {
    GameState& g = Game();
    if (g.InPunishment != 0) {
        return;
    }
    // The background is the only eraser: it wipes the previous frame.
    LoadSheet(g.PlayField, "m");

    int32_t twitchPart = 0;
    for (int32_t slot = 0; slot < kRosterSize; ++slot) {
        const Point anchor = RosterAnchor(slot);
        Fendor& fendor = FendorAt(slot);
        fendor.DoFendo();
        g.Stress = platform::CheckedAdd(g.Stress, fendor.Miss());
        if (fendor.Miss() >= 1) {
            twitchPart = RandomUpTo(5.0);
        }
        for (int32_t part = 0; part < 6; ++part) {
            DrawFendorPart(*g.PlayField, *g.FendorSheet, part, twitchPart, fendor.Miss(), anchor.x,
                           anchor.y);
        }
    }

    g.PlayField->Refresh();
    g.AnimPhase = static_cast<platform::Boolean>(~g.AnimPhase);
    ClampedStress();
}

void DrawFendorPart(platform::Surface& Dest, platform::Surface& Source, int32_t Part,
                    int32_t TwitchPart, int32_t Amplitude, int32_t AnchorX, int32_t AnchorY) {
    int32_t x = AnchorX;
    int32_t y = AnchorY;
    int32_t a = Amplitude;

    if (Part == TwitchPart) {
        if (RandomUpTo(1.0) == 0) {
            a = -a;
        }
        if (RandomUpTo(1.0) == 0) {
            x = platform::CheckedAdd(x, a);
        } else {
            y = platform::CheckedAdd(y, a);
        }
    }

    const BodyPart& body = kBodyParts.at(static_cast<size_t>(Part));
    x += body.dx;
    y += body.dy;

    // The worst misdeed throws the walk out of step.
    int16_t frameFlag = body.frameFlag;
    if (a == 4) {
        frameFlag = static_cast<int16_t>(~frameFlag);
    }
    const int32_t sourceX = 32 * Part + (Game().AnimPhase == frameFlag ? kPartSize : 0);

    MaskedBlit::BlitTransparent(Dest.hDC(), x, y, kPartSize, kPartSize, Source.hDC(), sourceX, 0,
                               SheetNames::kTransparentColour);
}

std::string SlotInfoAt(int32_t X, int32_t Y) {
    GameState& g = Game();
    if (g.InputMode == kKeyboardOnly) {
        return {};
    }
    if (g.InPunishment != 0) {
        return FendorAt(g.SelectedSlot).GetFendorData();
    }
    g.SelectedSlot = SlotAt(X, Y);
    if (g.SelectedSlot < 0) {
        return {};
    }
    return FendorAt(g.SelectedSlot).GetFendorData();
}

}  // namespace game
