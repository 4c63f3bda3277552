#include "html_page_writer.h"

#include <string.h>

const char kWebHost[] = "www.vardmoor.example";
const char kGameHost[] = "mud.vardmoor.example";

namespace {

// "Конвертор ANSI-логов в HTML для" in Windows-1251: the page carries no
// character-set declaration, and its readers' browsers take it as that.
const char kHeaderLine1[] =
    "<body bgcolor=\"Black\" text=\"#808080\"><pre>"
    "<font face = \"fixedsys, monospace\"><font color = \"FFFFFF\">**** "
    "\xCA\xEE\xED\xE2\xE5\xF0\xF2\xEE\xF0 ANSI-\xEB\xEE\xE3\xEE\xE2 \xE2 HTML "
    "\xE4\xEB\xFF Vardmoor MUD ****</font>\n";

const char kTrailer[] = "</pre></font></body>";

// Colour strings, indexed by (foreground - 30) + 8 * bold.
const char kPalette[16][7] = {
    "000000", "800000", "008000", "808000", "000080", "800080",
    "008080", "C0C0C0", "808080", "FF0000", "00FF00", "FFFF00",
    "0000FF", "FF00FF", "00FFFF", "FFFFFF",
};
const char kDefaultColour[] = "C0C0C0";

// A colour tag is "</font><font color = \"RRGGBB\">": 31 bytes, of which
// only the six digits vary. It is put together with two copies rather than
// formatted printing, as text in a dense log is mostly tags.
const char kTagStart[] = "</font><font color = \"";
const size_t kTagStartSize = sizeof kTagStart - 1;
const size_t kTagSize = kTagStartSize + 6 + 2;

bool flushBuffer(HtmlPageWriter* writer) {
  if (writer->used != 0 && !writer->failed &&
      !writer->sink(writer->sinkContext, writer->buffer, writer->used))
    writer->failed = true;
  writer->used = 0;
  return !writer->failed;
}

void writeBytes(HtmlPageWriter* writer, const char* bytes, size_t size) {
  if (writer->capacity - writer->used < size) {
    flushBuffer(writer);
    // More than the whole buffer goes to the sink as it stands.
    if (size > writer->capacity) {
      if (!writer->failed && !writer->sink(writer->sinkContext, bytes, size))
        writer->failed = true;
      return;
    }
  }
  memcpy(writer->buffer + writer->used, bytes, size);
  writer->used += size;
}

void writeString(HtmlPageWriter* writer, const char* text) {
  writeBytes(writer, text, strlen(text));
}

}  // namespace

const char* colourString(const TextAttributes& attributes) {
  if (attributes.foreground == 0) return kDefaultColour;
  return kPalette[(attributes.foreground - 30) + 8 * attributes.bold];
}

void initPageWriter(HtmlPageWriter* writer, char* buffer, size_t capacity,
                    PageSink sink, void* sinkContext) {
  writer->sink = sink;
  writer->sinkContext = sinkContext;
  writer->buffer = buffer;
  writer->capacity = capacity;
  writer->used = 0;
  writer->lastWritten = TextAttributes();
  writer->failed = false;
}

void writeHeader(HtmlPageWriter* writer) {
  writeString(writer, kHeaderLine1);
  writeString(writer, "<font color = \"FFFFFF\">**** <a href=\"http://");
  writeString(writer, kWebHost);
  writeString(writer, "/vardmoor\">http://");
  writeString(writer, kWebHost);
  writeString(writer, "/vardmoor</a> <a href=\"telnet://");
  writeString(writer, kGameHost);
  writeString(writer, ":4000\">telnet://");
  writeString(writer, kGameHost);
  writeString(writer, ":4000</a> ****</font><br><font color = \"C0C0C0\">\n");
}

void writeColourTag(HtmlPageWriter* writer, const TextAttributes& attributes) {
  makeRoom(writer, kTagSize);
  char* out = writer->buffer + writer->used;
  memcpy(out, kTagStart, kTagStartSize);
  memcpy(out + kTagStartSize, colourString(attributes), 6);
  out[kTagStartSize + 6] = '"';
  out[kTagStartSize + 7] = '>';
  writer->used += kTagSize;
  writer->lastWritten = attributes;
}

void writeTrailer(HtmlPageWriter* writer) { writeString(writer, kTrailer); }

bool flushPageWriter(HtmlPageWriter* writer) { return flushBuffer(writer); }
