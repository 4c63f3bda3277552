// The page writer: everything that reaches the HTML page goes through here.
// It fills a caller-supplied buffer and hands full buffers to a sink, so the
// same writer serves a file on disk and a string in memory (tests, fuzzing).
#ifndef VARDMOOR_HTML_PAGE_WRITER_H_
#define VARDMOOR_HTML_PAGE_WRITER_H_

#include <stddef.h>

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

// Opens a chunk: "<br>".
void beginChunk(HtmlPageWriter* writer);

// Writes one text byte in the colour of `attributes`, preceded by a colour
// tag if the attributes differ from those last written. "<", ">" and "&"
// are written as entities; every other byte goes out unchanged.
void writeTextByte(HtmlPageWriter* writer, const TextAttributes& attributes,
                   unsigned char byte);

// Same result as writeTextByte for each byte of `bytes`, which must hold
// no "<", ">" or "&".
void writeTextRun(HtmlPageWriter* writer, const TextAttributes& attributes,
                  const char* bytes, size_t size);

// "</pre></font></body>", with no line feed after it.
void writeTrailer(HtmlPageWriter* writer);

// Hands everything still buffered to the sink. Returns false if any sink
// call of this writer has failed.
bool flushPageWriter(HtmlPageWriter* writer);

// The colour string (RRGGBB) that text in `attributes` is drawn in.
const char* colourString(const TextAttributes& attributes);

// The host names in the header's two links.
extern const char kWebHost[];
extern const char kGameHost[];

#endif  // VARDMOOR_HTML_PAGE_WRITER_H_
