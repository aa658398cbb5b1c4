// Finding the next of a few given bytes in a text, sixteen bytes at a time
// where the processor offers it. The S-expression reader spends most of a
// board file here: the copper fills it skips are megabytes of short lists.
#pragma once

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace netlist::sexpr::detail {

// The first byte in [p, end) equal to a or b, or end.
inline const char* FindEither(const char* p, const char* end, char a, char b) {
#if defined(__SSE2__)
    const __m128i wantA = _mm_set1_epi8(a);
    const __m128i wantB = _mm_set1_epi8(b);
    for (; end - p >= 16; p += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int found = _mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(chunk, wantA), _mm_cmpeq_epi8(chunk, wantB)));
        if (found != 0) return p + __builtin_ctz(static_cast<unsigned>(found));
    }
#endif
    while (p != end && *p != a && *p != b) ++p;
    return p;
}

// The first byte in [p, end) equal to a, b or c, or end.
inline const char* FindAny(const char* p, const char* end, char a, char b, char c) {
#if defined(__SSE2__)
    const __m128i wantA = _mm_set1_epi8(a);
    const __m128i wantB = _mm_set1_epi8(b);
    const __m128i wantC = _mm_set1_epi8(c);
    for (; end - p >= 16; p += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int found = _mm_movemask_epi8(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, wantA), _mm_cmpeq_epi8(chunk, wantB)),
                         _mm_cmpeq_epi8(chunk, wantC)));
        if (found != 0) return p + __builtin_ctz(static_cast<unsigned>(found));
    }
#endif
    while (p != end && *p != a && *p != b && *p != c) ++p;
    return p;
}

}  // namespace netlist::sexpr::detail
