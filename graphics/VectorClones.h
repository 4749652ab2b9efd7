#pragma once

// On x86-64 a hot loop marked with this is compiled once per instruction set
// and the best copy is picked when the program loads, so byte shuffles get
// SSSE3/AVX2 without making them a requirement. Elsewhere it expands to nothing.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define FENDO_VECTOR_CLONES __attribute__((target_clones("avx2", "ssse3", "default")))
#else
#define FENDO_VECTOR_CLONES
#endif
