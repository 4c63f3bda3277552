// The converter's speed tricks, kept in this one place. Most of a log is
// ordinary text, so the two jobs that touch every byte (finding where the
// next line feed or colour sequence starts, and copying text into the page
// with "<", ">" and "&" escaped) look at 16 bytes at a time where the
// processor has SSE2. Each has a plain byte-at-a-time twin: the portable
// fallback, and the reference that the tests check the fast one against.
#ifndef VARDMOOR_FAST_TEXT_H_
#define VARDMOOR_FAST_TEXT_H_

#include <stddef.h>
#include <string.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#define VARDMOOR_HAVE_SSE2 1
#endif

const char kEscapeByte = 0x1B;

// The first line feed or ESC in [begin, end), or `end` if there is none.
inline const char* findLineFeedOrEscapePlain(const char* begin,
                                             const char* end) {
  while (begin != end && *begin != '\n' && *begin != kEscapeByte) ++begin;
  return begin;
}

// Copies `size` bytes of text to `out` with "<", ">" and "&" written as
// "&lt;", "&gt;" and "&amp;"; returns the number of bytes written.
inline size_t escapeTextPlain(char* out, const char* text, size_t size) {
  char* const start = out;
  for (size_t i = 0; i < size; ++i) {
    switch (text[i]) {
      case '<':
        memcpy(out, "&lt;", 4);
        out += 4;
        break;
      case '>':
        memcpy(out, "&gt;", 4);
        out += 4;
        break;
      case '&':
        memcpy(out, "&amp;", 5);
        out += 5;
        break;
      default:
        *out++ = text[i];
    }
  }
  return static_cast<size_t>(out - start);
}

// Room that escapeText may need beyond the escaped text itself: it stores
// whole 16-byte blocks.
const size_t kEscapeSlack = 16;

#if defined(VARDMOOR_HAVE_SSE2)

inline unsigned matchMask(__m128i block, char byte) {
  return static_cast<unsigned>(
      _mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(byte))));
}

inline const char* findLineFeedOrEscape(const char* begin, const char* end) {
  while (end - begin >= 16) {
    const __m128i block =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin));
    const unsigned mask = matchMask(block, '\n') | matchMask(block, 0x1B);
    if (mask != 0) return begin + __builtin_ctz(mask);
    begin += 16;
  }
  return findLineFeedOrEscapePlain(begin, end);
}

// Same result as escapeTextPlain. `out` must have room for the escaped text
// and kEscapeSlack bytes more, and the `readable` bytes at `text` (at least
// `size`) must be readable: a run of text usually sits in a larger buffer,
// and reading on past its end lets even a short run be copied as one block.
// Each block is stored whole; the output moves on by only the bytes before
// the first one to escape.
inline size_t escapeText(char* out, const char* text, size_t size,
                         size_t readable) {
  char* const start = out;
  const char* const end = text + size;
  const char* const readableEnd = text + readable;
  while (text != end && readableEnd - text >= 16) {
    const __m128i block =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(text));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), block);
    unsigned mask =
        matchMask(block, '<') | matchMask(block, '>') | matchMask(block, '&');
    if (end - text < 16) mask |= 1u << (end - text);  // the run ends here
    if (mask == 0) {
      text += 16;
      out += 16;
      continue;
    }
    const int plain = __builtin_ctz(mask);
    text += plain;
    out += plain;
    if (text == end) break;
    out += escapeTextPlain(out, text, 1);
    ++text;
  }
  return static_cast<size_t>(out - start) +
         escapeTextPlain(out, text, static_cast<size_t>(end - text));
}

#else

inline const char* findLineFeedOrEscape(const char* begin, const char* end) {
  return findLineFeedOrEscapePlain(begin, end);
}

inline size_t escapeText(char* out, const char* text, size_t size,
                         size_t /*readable*/) {
  return escapeTextPlain(out, text, size);
}

#endif

#endif  // VARDMOOR_FAST_TEXT_H_
