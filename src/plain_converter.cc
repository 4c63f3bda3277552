#include "plain_converter.h"

namespace {

bool isDigitByte(unsigned char byte) { return byte >= '0' && byte <= '9'; }

// Applies an understood parameter value and returns its width in bytes, or
// returns 0 for a value that aborts the sequence.
size_t applyParameter(unsigned long value, TextAttributes* attributes) {
  if (value == 0) {
    *attributes = TextAttributes();
    return 1;
  }
  if (value == 1) {
    attributes->bold = 1;
    return 1;
  }
  if (value >= 30 && value <= 37) {
    attributes->foreground = static_cast<unsigned char>(value);
    return 2;
  }
  if (value >= 40 && value <= 47) {
    attributes->background = static_cast<unsigned char>(value);
    return 2;
  }
  return 0;
}

}  // namespace

void scanChunkPlain(const unsigned char* chunk, size_t size,
                    TextAttributes* attributes, HtmlPageWriter* writer) {
  size_t p = 0;
  while (p < size) {
    if (!(chunk[p] == 0x1B && p + 1 < size && chunk[p + 1] == '[')) {
      writeTextByte(writer, *attributes, chunk[p]);
      ++p;
      continue;
    }
    p += 2;
    for (;;) {
      if (p >= size) return;  // cut off
      if (!isDigitByte(chunk[p])) {
        ++p;  // final byte
        break;
      }
      unsigned long value = 0;
      for (size_t d = p; d < size && isDigitByte(chunk[d]); ++d) {
        value = value * 10 + (chunk[d] - '0');
        if (value > 100000) value = 100000;  // stays above every code
      }
      const size_t width = applyParameter(value, attributes);
      if (width == 0) {
        ++p;  // aborted: go on after the first digit
        break;
      }
      p += width;
      if (p >= size) return;  // cut off
      if (chunk[p] != ';') {
        ++p;  // final byte
        break;
      }
      ++p;
    }
  }
}

void convertPlain(const char* log, size_t size, HtmlPageWriter* writer) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(log);
  TextAttributes attributes = TextAttributes();
  writeHeader(writer);
  size_t start = 0;
  while (start < size) {
    size_t end = start;
    while (end < size && end - start < 65534) {
      if (bytes[end++] == '\n') break;
    }
    beginChunk(writer);
    scanChunkPlain(bytes + start, end - start, &attributes, writer);
    start = end;
  }
  writeTrailer(writer);
}
