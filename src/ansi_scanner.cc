#include "ansi_scanner.h"

#include "fast_text.h"

namespace {

inline bool isDigit(char byte) { return byte >= '0' && byte <= '9'; }

// Reads the parameters and final byte of a sequence whose ESC "[" has been
// passed; returns where scanning goes on. Parameter values are taken to
// occupy a fixed width (one byte for 0 and 1, two for 30..47) whatever the
// digits really hold, so a leading zero or an extra digit shifts where ";"
// or the final byte is looked for; pages made before were made with this
// reading, so it stays. A value outside the understood set aborts the sequence
// just past its first digit, and the rest is scanned again as text.
const char* readSequence(const char* p, const char* end,
                         TextAttributes* attributes) {
  for (;;) {
    if (p == end) return end;        // cut off after "[" or ";"
    if (!isDigit(*p)) return p + 1;  // the final byte
    unsigned value = static_cast<unsigned>(*p - '0');
    for (const char* digit = p + 1; digit != end && isDigit(*digit); ++digit) {
      value = value * 10 + static_cast<unsigned>(*digit - '0');
      if (value > 1000) break;  // any larger value aborts alike
    }
    if (value == 0) {
      attributes->bold = 0;
      attributes->foreground = 0;
      attributes->background = 0;
      p += 1;
    } else if (value == 1) {
      attributes->bold = 1;
      p += 1;
    } else if (value >= 30 && value <= 37) {
      attributes->foreground = static_cast<unsigned char>(value);
      p += 2;
    } else if (value >= 40 && value <= 47) {
      attributes->background = static_cast<unsigned char>(value);
      p += 2;
    } else {
      return p + 1;  // aborted
    }
    if (p == end) return end;     // cut off after a parameter
    if (*p != ';') return p + 1;  // the final byte
    ++p;
  }
}

}  // namespace

size_t scanChunk(const char* text, size_t size, TextAttributes* attributes,
                 HtmlPageWriter* writer) {
  const char* p = text;
  const char* const end = text + size;
  while (p != end) {
    if (*p != kEscapeByte) {
      p = writeTextRun(writer, *attributes, p, end);
      if (p[-1] == '\n') break;  // the line feed is text and ends the chunk
    } else if (end - p >= 2 && p[1] == '[') {
      p = readSequence(p + 2, end, attributes);
      // A line feed can only be the final byte of a sequence, and then it
      // ends the chunk as well.
      if (p[-1] == '\n') break;
    } else {
      writeTextByte(writer, *attributes, kEscapeByte);  // ESC is text here
      ++p;
    }
  }
  return static_cast<size_t>(p - text);
}
