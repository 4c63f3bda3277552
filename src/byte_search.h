// Finding the next byte that needs attention in a run of text. This is the
// one place that trades plainness for speed: most of a log is ordinary text,
// and looking at it 16 bytes at a time is what lets the converter keep up
// with the disk.
#ifndef VARDMOOR_BYTE_SEARCH_H_
#define VARDMOOR_BYTE_SEARCH_H_

// Returns the first byte in [begin, end) that is ESC, "<", ">" or "&", or
// `end` if there is none.
const char* findSpecialByte(const char* begin, const char* end);

// The same, one byte at a time: the portable fallback, and the reference
// that the fast version is tested against.
const char* findSpecialBytePlain(const char* begin, const char* end);

#endif  // VARDMOOR_BYTE_SEARCH_H_
