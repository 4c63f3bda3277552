// The page writer: everything that reaches the HTML page goes through here.
// It fills a caller-supplied buffer and hands full buffers to a sink, so the
// same writer serves a file on disk and a string in memory (tests, fuzzing).
#ifndef VARDMOOR_HTML_PAGE_WRITER_H_
#define VARDMOOR_HTML_PAGE_WRITER_H_

#include <stddef.h>

#include "fast_text.h"

// The colour state that the log's sequences set. All three fields start at 0.
struct TextAttributes {
  unsigned char bold;        // 0 or 1; 1 selects the bright half of the palette
  unsigned char foreground;  // 0 (default colour) or an SGR code 30..37
  unsigned char background;  // 0 or an SGR code 40..47; never drawn
};

inline bool sameAttributes(const TextAttributes& a, const TextAttributes& b) {
  return a.bold == b.bold && a.foreground == b.foreground &&
         a.background == b.background;
}

// Receives the page's bytes in order. Returns false if they could not be
// stored; the writer then stops writing and reports the failure.
typedef bool (*PageSink)(void* context, const char* bytes, size_t size);

struct HtmlPageWriter {
  PageSink sink;
  void* sinkContext;
  char* buffer;
  size_t capacity;
  size_t used;
  TextAttributes lastWritten;  // the state of the last colour tag written
  bool failed;                 // a sink call failed; nothing more is written
};

// The smallest buffer the writer works with: room for a colour tag and an
// escaped byte at once.
const size_t kMinPageBufferSize = 64;

// Sets up `writer` over `buffer` (at least kMinPageBufferSize bytes) and the
// sink. The last-written attributes start at all 0, the colour that the
// header leaves open.
void initPageWriter(HtmlPageWriter* writer, char* buffer, size_t capacity,
                    PageSink sink, void* sinkContext);

// The page's two header lines. Its first line holds Windows-1251 bytes.
void writeHeader(HtmlPageWriter* writer);

// Hands everything still buffered to the sink. Returns false if any sink
// call of this writer has failed.
bool flushPageWriter(HtmlPageWriter* writer);

// Hands the buffer to the sink first unless `size` more bytes fit in it.
inline void makeRoom(HtmlPageWriter* writer, size_t size) {
  if (writer->capacity - writer->used < size) flushPageWriter(writer);
}

// Writes the colour tag of `attributes` and records them as last written.
void writeColourTag(HtmlPageWriter* writer, const TextAttributes& attributes);

// Opens a chunk: "<br>".
inline void beginChunk(HtmlPageWriter* writer) {
  makeRoom(writer, 4);
  memcpy(writer->buffer + writer->used, "<br>", 4);
  writer->used += 4;
}

// Writes one text byte in the colour of `attributes`, preceded by a colour
// tag if the attributes differ from those last written. "<", ">" and "&"
// are written as entities; every other byte goes out unchanged.
inline void writeTextByte(HtmlPageWriter* writer,
                          const TextAttributes& attributes,
                          unsigned char byte) {
  if (!sameAttributes(attributes, writer->lastWritten))
    writeColourTag(writer, attributes);
  makeRoom(writer, 5);
  writer->used +=
      escapeByte(writer->buffer + writer->used, static_cast<char>(byte));
}

// The same result as writeTextByte for each byte of the run of text at
// `text`, which ends after the first line feed, or before the first ESC, or
// at `end`. `text` must be before `end` and not an ESC. Returns where the
// run ended.
inline const char* writeTextRun(HtmlPageWriter* writer,
                                const TextAttributes& attributes,
                                const char* text, const char* end) {
  if (!sameAttributes(attributes, writer->lastWritten))
    writeColourTag(writer, attributes);
  for (;;) {
    // Each byte takes at most five bytes of page, as "&amp;".
    makeRoom(writer, kCopySlack + 5 * size_t{16});
    const size_t fits = (writer->capacity - writer->used - kCopySlack) / 5;
    const char* const limit =
        static_cast<size_t>(end - text) <= fits ? end : text + fits;
    char* out = writer->buffer + writer->used;
    const char* const stop = copyText(&out, text, limit, end);
    writer->used = static_cast<size_t>(out - writer->buffer);
    // Only a full buffer stops a run short of its end.
    if (stop != limit || limit == end || stop[-1] == '\n') return stop;
    text = stop;
  }
}

// "</pre></font></body>", with no line feed after it.
void writeTrailer(HtmlPageWriter* writer);

// The colour string (RRGGBB) that text in `attributes` is drawn in.
const char* colourString(const TextAttributes& attributes);

// The host names in the header's two links.
extern const char kWebHost[];
extern const char kGameHost[];

#endif  // VARDMOOR_HTML_PAGE_WRITER_H_
