#include "page_check.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "conversion_run.h"
#include "html_page_writer.h"
#include "plain_converter.h"
#include "test_support.h"

namespace {

const char kTrailer[] = "</pre></font></body>";
const char kChunkPrefix[] = "<br>";
const char kTagStart[] = "</font><font color = \"";
const char kTagEnd[] = "\">";

// The sixteen colours a tag may name ("C0C0C0", the default, is one).
const char* const kPaletteColours[] = {
    "000000", "800000", "008000", "808000", "000080", "800080",
    "008080", "C0C0C0", "808080", "FF0000", "00FF00", "FFFF00",
    "0000FF", "FF00FF", "00FFFF", "FFFFFF",
};

// The longest chunk, counted here on its own rather than taken from the
// converter, so that a wrong limit there shows.
const size_t kLongestChunk = 65534;

[[noreturn]] void fail(const char* what, size_t offset) {
  fprintf(stderr, "page check failed: %s (page offset %zu)\n", what, offset);
  abort();
}

bool startsWith(const std::string& text, size_t at, const char* prefix) {
  return text.compare(at, strlen(prefix), prefix) == 0;
}

bool isPaletteColour(const std::string& page, size_t at) {
  for (const char* colour : kPaletteColours)
    if (page.compare(at, 6, colour) == 0) return true;
  return false;
}

// The log cut into chunks: after each line feed, and every kLongestChunk
// bytes within a longer line.
std::vector<std::string> chunksOf(const std::string& log) {
  std::vector<std::string> chunks;
  size_t start = 0;
  while (start < log.size()) {
    size_t end = start;
    while (end < log.size() && end - start < kLongestChunk)
      if (log[end++] == '\n') break;
    chunks.push_back(log.substr(start, end - start));
    start = end;
  }
  return chunks;
}

// True if `part` is what is left of `whole` after dropping some bytes.
bool isSubsequence(const std::string& part, const std::string& whole) {
  size_t w = 0;
  for (char byte : part) {
    while (w < whole.size() && whole[w] != byte) ++w;
    if (w == whole.size()) return false;
    ++w;
  }
  return true;
}

// How many `byte`s of the chunks must reach the page as text: the scanner
// drops a byte only inside a colour sequence, and a "<" or ">" there can
// only be the final byte, right after "[", ";" or a parameter digit.
size_t mustKeep(const std::vector<std::string>& chunks, char byte) {
  size_t count = 0;
  for (const std::string& chunk : chunks)
    for (size_t i = 0; i < chunk.size(); ++i) {
      if (chunk[i] != byte) continue;
      const char before = i == 0 ? '\0' : chunk[i - 1];
      if (i == 0 || !(before == '[' || before == ';' ||
                       (before >= '0' && before <= '9')))
        ++count;
    }
  return count;
}

}  // namespace

std::string convertInPieces(const std::string& log,
                            const unsigned char* pieceBytes,
                            size_t pieceByteCount, size_t smallest,
                            size_t scale, size_t pageBufferSize) {
  StringPage page;
  openStringPage(&page, pageBufferSize);
  HtmlPageWriter& writer = page.writer;
  writeHeader(&writer);
  TextAttributes attributes = TextAttributes();
  // Bytes that convertChunks leaves unused wait for the next piece, as the
  // run keeps them at the front of its input buffer.
  std::string held;
  size_t next = 0;
  for (size_t piece = 0;; ++piece) {
    size_t take = log.size() - next;
    if (pieceByteCount != 0) {
      const size_t wanted =
          smallest + scale * pieceBytes[piece % pieceByteCount];
      if (wanted < take) take = wanted;
    }
    held.append(log, next, take);
    next += take;
    const bool atEnd = next == log.size();
    const size_t used =
        convertChunks(held.data(), held.size(), atEnd, &attributes, &writer);
    if (used > held.size()) fail("convertChunks used more than it had", 0);
    held.erase(0, used);
    if (atEnd) break;
  }
  if (!held.empty()) fail("bytes left over at the end of the log", 0);
  writeTrailer(&writer);
  if (!flushPageWriter(&writer)) fail("the writer reported a failure", 0);
  return page.text;
}

std::string convertPlainly(const std::string& log) {
  StringPage page;
  openStringPage(&page);
  convertPlain(log.data(), log.size(), &page.writer);
  return finishStringPage(&page);
}

void checkPage(const std::string& page, const std::string& log,
               const std::string& reference) {
  static const std::string header = pageHeader();
  const size_t trailerSize = sizeof kTrailer - 1;
  if (page.compare(0, header.size(), header) != 0)
    fail("the page does not start with the header", 0);
  if (page.size() < header.size() + trailerSize ||
      page.compare(page.size() - trailerSize, trailerSize, kTrailer) != 0)
    fail("the page does not end with the trailer", page.size());
  const size_t bodyEnd = page.size() - trailerSize;

  const std::vector<std::string> chunks = chunksOf(log);
  size_t chunk = 0;           // chunks opened so far
  std::string text;           // the text of the current chunk, entities read
  bool tagWaiting = false;    // a colour tag not yet followed by text
  size_t lessThan = 0;        // "&lt;" seen
  size_t greaterThan = 0;     // "&gt;" seen
  size_t i = header.size();
  while (i < bodyEnd) {
    const char byte = page[i];
    if (byte == '<' && startsWith(page, i, kChunkPrefix)) {
      if (tagWaiting) fail("a colour tag with no text after it", i);
      if (chunk > 0 && !isSubsequence(text, chunks[chunk - 1]))
        fail("text that is not the chunk's", i);
      if (chunk == chunks.size()) fail("more chunk prefixes than chunks", i);
      ++chunk;
      text.clear();
      i += sizeof kChunkPrefix - 1;
      continue;
    }
    if (chunk == 0) fail("text before the first chunk prefix", i);
    if (byte == '<' && startsWith(page, i, kTagStart)) {
      const size_t colour = i + sizeof kTagStart - 1;
      if (!isPaletteColour(page, colour) ||
          !startsWith(page, colour + 6, kTagEnd))
        fail("a colour tag with no palette colour", i);
      if (tagWaiting) fail("two colour tags in a row", i);
      tagWaiting = true;
      i = colour + 6 + sizeof kTagEnd - 1;
      continue;
    }
    if (byte == '<' || byte == '>') fail("an unescaped < or >", i);
    if (byte == '&') {
      if (startsWith(page, i, "&lt;")) {
        text += '<';
        ++lessThan;
        i += 4;
      } else if (startsWith(page, i, "&gt;")) {
        text += '>';
        ++greaterThan;
        i += 4;
      } else if (startsWith(page, i, "&amp;")) {
        text += '&';
        i += 5;
      } else {
        fail("an unescaped &", i);
      }
    } else {
      text += byte;
      ++i;
    }
    tagWaiting = false;
  }
  if (tagWaiting) fail("a colour tag with no text after it", i);
  if (chunk > 0 && !isSubsequence(text, chunks[chunk - 1]))
    fail("text that is not the chunk's", i);
  if (chunk != chunks.size()) fail("fewer chunk prefixes than chunks", i);
  if (lessThan < mustKeep(chunks, '<')) fail("a < of the log was lost", i);
  if (greaterThan < mustKeep(chunks, '>')) fail("a > of the log was lost", i);

  if (page != reference) {
    size_t at = 0;
    while (at < page.size() && at < reference.size() &&
           page[at] == reference[at])
      ++at;
    fail("the page differs from the plain converter's", at);
  }
}
