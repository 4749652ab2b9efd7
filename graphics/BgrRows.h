#pragma once

#include <cstdint>

namespace graphics::dib {

// The instruction sets a row of B, G, R triples can be widened with. Every
// one gives the same words; they differ only in speed.
enum class RowCode { kPortable, kSse2, kSsse3, kAvx2 };

// Whether this machine can run the code.
bool MachineRuns(RowCode code);

// The fastest code this machine runs.
RowCode FastestRowCode();

// Widens `count` B, G, R triples at `src` into opaque 0xFFRRGGBB words at
// `dst`. Reads no byte past the last triple. A code the machine cannot run
// gives the portable row instead.
using BgrRow = void (*)(const uint8_t* src, uint32_t* dst, int32_t count);
BgrRow BgrRowFor(RowCode code);

}  // namespace graphics::dib
