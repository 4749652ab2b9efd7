#include "graphics/BgrRows.h"

#include <array>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define DIB_X86_ROWS 1
#include <immintrin.h>
#endif

namespace graphics::dib {
namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

inline uint32_t FromBgr(const uint8_t* p) {
    return kOpaque | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
}

inline void FinishOneByOne(const uint8_t* src, uint32_t* dst, int32_t from, int32_t count) {
    for (int32_t x = from; x < count; ++x) {
        dst[x] = FromBgr(src + 3 * x);
    }
}

void RowPortable(const uint8_t* src, uint32_t* dst, int32_t count) {
    FinishOneByOne(src, dst, 0, count);
}

#ifdef DIB_X86_ROWS

// A surface word is 0xFFRRGGBB, which on this little-endian machine is the
// pixel's own three bytes plus a fourth. Each step puts a pixel's three bytes
// at the bottom of a 32-bit lane; the opaque OR overwrites whatever lands in
// the top byte. Loops take sixteen pixels per trip: one step per trip cost a
// tenth more with AVX2 and a third more with SSSE3 on a 400 x 200 image, the
// loop's own bookkeeping being the limit. No load reaches past the row's last
// triple: each loop stops while its furthest 16-byte load still fits.

#define DIB_LOAD128(p) _mm_loadu_si128(reinterpret_cast<const __m128i*>(p))

// One 32-byte load from 4 bytes before pixel x: its low lane holds pixels
// x..x+3 at bytes 4-15, its high lane x+4..x+7 at bytes 0-11, and a lane-wise
// byte shuffle with a pattern for each lane spreads both. Two 16-byte loads
// and an insert per 8 pixels instead cost a fifth more.
__attribute__((target("avx2"))) inline void Avx2Eight(const uint8_t* fourBefore, uint32_t* dst,
                                                      __m256i spread, __m256i opaque) {
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(fourBefore));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst),
                        _mm256_or_si256(_mm256_shuffle_epi8(bytes, spread), opaque));
}

__attribute__((target("ssse3"))) inline void Ssse3Four(const uint8_t* src, uint32_t* dst,
                                                       __m128i spread, __m128i opaque) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst),
                     _mm_or_si128(_mm_shuffle_epi8(DIB_LOAD128(src), spread), opaque));
}

__attribute__((target("avx2"))) void RowAvx2(const uint8_t* src, uint32_t* dst, int32_t count) {
    const __m256i spread =
        _mm256_setr_epi8(4, 5, 6, -1, 7, 8, 9, -1, 10, 11, 12, -1, 13, 14, 15, -1, 0, 1, 2, -1, 3,
                         4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i spreadFour = _mm256_extracti128_si256(spread, 1);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(kOpaque));
    const __m128i opaqueFour = _mm256_castsi256_si128(opaque);
    int32_t x = 0;
    // The wide loads reach 4 bytes back, so the first four pixels go alone.
    if (16 <= 3 * count) {
        Ssse3Four(src, dst, spreadFour, opaqueFour);
        x = 4;
        for (; 3 * x + 52 <= 3 * count; x += 16) {
            Avx2Eight(src + 3 * x - 4, dst + x, spread, opaque);
            Avx2Eight(src + 3 * x + 20, dst + x + 8, spread, opaque);
        }
        for (; 3 * x + 28 <= 3 * count; x += 8) {
            Avx2Eight(src + 3 * x - 4, dst + x, spread, opaque);
        }
    }
    for (; 3 * x + 16 <= 3 * count; x += 4) {
        Ssse3Four(src + 3 * x, dst + x, spreadFour, opaqueFour);
    }
    FinishOneByOne(src, dst, x, count);
}

__attribute__((target("ssse3"))) void RowSsse3(const uint8_t* src, uint32_t* dst, int32_t count) {
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
    int32_t x = 0;
    for (; 3 * x + 52 <= 3 * count; x += 16) {
        for (int32_t k = 0; k < 16; k += 4) {
            Ssse3Four(src + 3 * (x + k), dst + x + k, spread, opaque);
        }
    }
    for (; 3 * x + 16 <= 3 * count; x += 4) {
        Ssse3Four(src + 3 * x, dst + x, spread, opaque);
    }
    FinishOneByOne(src, dst, x, count);
}

// Without a byte shuffle: lane k of a load from `src - k` already holds
// pixel k at its bottom, so four overlapping loads and three lane picks make
// four words. The loads reach three bytes back, so pixel 0 goes first alone.
inline void Sse2Four(const uint8_t* src, uint32_t* dst, __m128 opaque) {
    const auto at = [src](int back) {
        return _mm_loadu_ps(reinterpret_cast<const float*>(src - back));
    };
    const __m128 first = _mm_shuffle_ps(at(0), at(1), _MM_SHUFFLE(1, 1, 0, 0));
    const __m128 last = _mm_shuffle_ps(at(2), at(3), _MM_SHUFFLE(3, 3, 2, 2));
    _mm_storeu_ps(reinterpret_cast<float*>(dst),
                  _mm_or_ps(_mm_shuffle_ps(first, last, _MM_SHUFFLE(2, 0, 2, 0)), opaque));
}

void RowSse2(const uint8_t* src, uint32_t* dst, int32_t count) {
    if (count <= 0) {
        return;
    }
    const __m128 opaque = _mm_castsi128_ps(_mm_set1_epi32(static_cast<int>(kOpaque)));
    dst[0] = FromBgr(src);
    int32_t x = 1;
    for (; 3 * x + 52 <= 3 * count; x += 16) {
        for (int32_t k = 0; k < 16; k += 4) {
            Sse2Four(src + 3 * (x + k), dst + x + k, opaque);
        }
    }
    for (; 3 * x + 16 <= 3 * count; x += 4) {
        Sse2Four(src + 3 * x, dst + x, opaque);
    }
    FinishOneByOne(src, dst, x, count);
}

#undef DIB_LOAD128

#endif

}  // namespace

bool MachineRuns(RowCode code) {
    switch (code) {
        case RowCode::kPortable:
            return true;
#ifdef DIB_X86_ROWS
        case RowCode::kSse2:
            return true;
        case RowCode::kSsse3:
            return __builtin_cpu_supports("ssse3");
        case RowCode::kAvx2:
            return __builtin_cpu_supports("avx2");
#else
        case RowCode::kSse2:
        case RowCode::kSsse3:
        case RowCode::kAvx2:
            return false;
#endif
    }
    return false;
}

RowCode FastestRowCode() {
    for (const RowCode code : std::array{RowCode::kAvx2, RowCode::kSsse3, RowCode::kSse2}) {
        if (MachineRuns(code)) {
            return code;
        }
    }
    return RowCode::kPortable;
}

BgrRow BgrRowFor(RowCode code) {
#ifdef DIB_X86_ROWS
    switch (MachineRuns(code) ? code : RowCode::kPortable) {
        case RowCode::kAvx2:
            return RowAvx2;
        case RowCode::kSsse3:
            return RowSsse3;
        case RowCode::kSse2:
            return RowSse2;
        case RowCode::kPortable:
            break;
    }
#else
    (void)code;
#endif
    return RowPortable;
}

}  // namespace graphics::dib
