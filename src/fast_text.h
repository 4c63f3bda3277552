// The converter's speed trick, kept in this one place. Most of a log is
// ordinary text, so copying it into the page (stopping at the line feed or
// colour sequence that comes next, with "<", ">" and "&" escaped on the
// way) looks at 16 bytes at a time where the processor has SSE2. It has a
// plain byte-at-a-time twin: the portable fallback, and the reference that
// the tests check the fast one against.
#ifndef VARDMOOR_FAST_TEXT_H_
#define VARDMOOR_FAST_TEXT_H_

#include <stddef.h>
#include <string.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#define VARDMOOR_HAVE_SSE2 1
#endif

const char kEscapeByte = 0x1B;

// Room that copyText may need beyond the escaped text itself: it stores
// whole 16-byte blocks.
const size_t kCopySlack = 16;

// The page bytes of one text byte: "<", ">" and "&" as entities, every
// other byte as it is. Returns the number of bytes written.
inline size_t escapeByte(char* out, char byte) {
  switch (byte) {
    case '<':
      memcpy(out, "&lt;", 4);
      return 4;
    case '>':
      memcpy(out, "&gt;", 4);
      return 4;
    case '&':
      memcpy(out, "&amp;", 5);
      return 5;
    default:
      *out = byte;
      return 1;
  }
}

// Copies text from `text` to `*out`, escaped, up to and including the first
// line feed, or up to the first ESC, or up to `limit`, whichever comes
// first. Returns where it stopped, and moves `*out` past what it wrote.
// `*out` must have room for five bytes a byte copied, and kCopySlack more.
inline const char* copyTextPlain(char** out, const char* text,
                                 const char* limit) {
  char* page = *out;
  while (text != limit && *text != kEscapeByte) {
    const char byte = *text++;
    page += escapeByte(page, byte);
    if (byte == '\n') break;
  }
  *out = page;
  return text;
}

#if defined(VARDMOOR_HAVE_SSE2)

// Bit i is set when byte i of `block` is a line feed, ESC, "<", ">" or "&".
inline unsigned attentionMask(__m128i block) {
  const __m128i hits = _mm_or_si128(
      _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('\n')),
                   _mm_cmpeq_epi8(block, _mm_set1_epi8(kEscapeByte))),
      _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('<')),
                   _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('>')),
                                _mm_cmpeq_epi8(block, _mm_set1_epi8('&')))));
  return static_cast<unsigned>(_mm_movemask_epi8(hits));
}

// Same result as copyTextPlain. The bytes up to `readableEnd` (at or past
// `limit`) may be read: text usually sits in a larger buffer, and reading on
// lets even a short run be handled as one block. Each block is stored
// whole, and the output moves on by only the bytes before the first byte
// that needs attention.
inline const char* copyText(char** out, const char* text, const char* limit,
                            const char* readableEnd) {
  char* page = *out;
  while (text != limit && readableEnd - text >= 16) {
    const __m128i block =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(text));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(page), block);
    unsigned mask = attentionMask(block);
    if (limit - text < 16) mask |= 1u << (limit - text);
    if (mask == 0) {
      text += 16;
      page += 16;
      continue;
    }
    const int plain = __builtin_ctz(mask);
    text += plain;
    page += plain;
    if (text == limit || *text == kEscapeByte) break;
    const char byte = *text++;
    page += escapeByte(page, byte);
    if (byte == '\n') {
      *out = page;
      return text;
    }
  }
  *out = page;
  return copyTextPlain(out, text, limit);
}

#else

inline const char* copyText(char** out, const char* text, const char* limit,
                            const char* /*readableEnd*/) {
  return copyTextPlain(out, text, limit);
}

#endif

#endif  // VARDMOOR_FAST_TEXT_H_
