// Finding the next of a few given bytes in a text, sixteen bytes at a time
// where the processor offers it. The S-expression reader spends most of a
// board file here: the copper fills it skips are megabytes of short lists.
#pragma once

#include <bit>

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
        if (found != 0) return p + std::countr_zero(static_cast<unsigned>(found));
    }
#endif
    while (p != end && *p != a && *p != b) ++p;
    return p;
}

// Bit i says whether p[i] is a, b or c, for the sixteen bytes from p or as
// many as there are before end.
inline unsigned MaskOfAny(const char* p, const char* end, char a, char b, char c) {
#if defined(__SSE2__)
    if (end - p >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        return static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(a)),
                                                        _mm_cmpeq_epi8(chunk, _mm_set1_epi8(b))),
                                           _mm_cmpeq_epi8(chunk, _mm_set1_epi8(c)))));
    }
#endif
    unsigned mask = 0;
    for (unsigned i = 0; i < 16 && p + i < end; ++i)
        if (p[i] == a || p[i] == b || p[i] == c) mask |= 1u << i;
    return mask;
}

// The first byte in [p, end) that ends a symbol (a blank, a parenthesis or
// a quote), or end. isDelimiter says the same of one byte.
template <typename IsDelimiter>
const char* FindSymbolEnd(const char* p, const char* end, IsDelimiter isDelimiter) {
#if defined(__SSE2__)
    // Blanks are the space and \t \n \v \f \r, that is 9 to 13.
    const __m128i space = _mm_set1_epi8(' ');
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i tabToReturn = _mm_set1_epi8('\r' - '\t');
    const __m128i open = _mm_set1_epi8('(');
    const __m128i close = _mm_set1_epi8(')');
    const __m128i quote = _mm_set1_epi8('"');
    for (; end - p >= 16; p += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i fromTab = _mm_sub_epi8(chunk, tab);
        const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(fromTab, tabToReturn), fromTab);
        const __m128i punctuation =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, open), _mm_cmpeq_epi8(chunk, close)),
                         _mm_or_si128(_mm_cmpeq_epi8(chunk, quote), _mm_cmpeq_epi8(chunk, space)));
        const int found = _mm_movemask_epi8(_mm_or_si128(control, punctuation));
        if (found != 0) return p + std::countr_zero(static_cast<unsigned>(found));
    }
#endif
    while (p != end && !isDelimiter(*p)) ++p;
    return p;
}

}  // namespace netlist::sexpr::detail
