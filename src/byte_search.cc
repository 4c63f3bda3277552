#include "byte_search.h"

#if defined(__SSE2__) || defined(_M_X64) || \
    (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define VARDMOOR_HAVE_SSE2 1
#endif

namespace {

inline bool isSpecial(unsigned char byte) {
  return byte == 0x1B || byte == '<' || byte == '>' || byte == '&';
}

#if defined(VARDMOOR_HAVE_SSE2)
inline int firstSetBit(unsigned mask) {
#if defined(_MSC_VER) && !defined(__clang__)
  unsigned long index;
  _BitScanForward(&index, mask);
  return static_cast<int>(index);
#else
  return __builtin_ctz(mask);
#endif
}
#endif

}  // namespace

const char* findSpecialBytePlain(const char* begin, const char* end) {
  while (begin != end && !isSpecial(static_cast<unsigned char>(*begin)))
    ++begin;
  return begin;
}

const char* findSpecialByte(const char* begin, const char* end) {
#if defined(VARDMOOR_HAVE_SSE2)
  const __m128i escape = _mm_set1_epi8(0x1B);
  const __m128i less = _mm_set1_epi8('<');
  const __m128i greater = _mm_set1_epi8('>');
  const __m128i ampersand = _mm_set1_epi8('&');
  while (end - begin >= 16) {
    const __m128i block =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin));
    const __m128i hits =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, escape),
                                  _mm_cmpeq_epi8(block, less)),
                     _mm_or_si128(_mm_cmpeq_epi8(block, greater),
                                  _mm_cmpeq_epi8(block, ampersand)));
    const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
    if (mask != 0) return begin + firstSetBit(mask);
    begin += 16;
  }
#endif
  return findSpecialBytePlain(begin, end);
}
