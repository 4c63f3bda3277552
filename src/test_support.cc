#include "test_support.h"

#include <string.h>

#include "conversion_run.h"
#include "plain_converter.h"

namespace {

bool appendToString(void* context, const char* bytes, size_t size) {
  static_cast<std::string*>(context)->append(bytes, size);
  return true;
}

const char kTrailer[] = "</pre></font></body>";

std::string stripFrame(const std::string& page) {
  const std::string header = pageHeader();
  const size_t trailerSize = sizeof kTrailer - 1;
  if (page.compare(0, header.size(), header) != 0 ||
      page.size() < header.size() + trailerSize ||
      page.compare(page.size() - trailerSize, trailerSize, kTrailer) != 0)
    return "<page without its header or trailer>";
  return page.substr(header.size(), page.size() - header.size() - trailerSize);
}

}  // namespace

void openStringPage(StringPage* page, size_t bufferSize) {
  page->text.clear();
  page->buffer.assign(bufferSize, '\0');
  initPageWriter(&page->writer, &page->buffer[0], bufferSize, appendToString,
                 &page->text);
}

const std::string& finishStringPage(StringPage* page) {
  flushPageWriter(&page->writer);
  return page->text;
}

std::string expandTags(const std::string& pattern) {
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{' && i + 7 < pattern.size() && pattern[i + 7] == '}') {
      out += "</font><font color = \"" + pattern.substr(i + 1, 6) + "\">";
      i += 7;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string pageHeader() {
  StringPage page;
  openStringPage(&page);
  writeHeader(&page.writer);
  return finishStringPage(&page);
}

std::string convertedBody(const std::string& log, size_t pieceSize) {
  StringPage page;
  openStringPage(&page, kMinPageBufferSize);
  writeHeader(&page.writer);
  TextAttributes attributes = TextAttributes();
  // Feed the log as the run does: bytes not used wait for the next piece.
  std::string held;
  size_t next = 0;
  for (;;) {
    const size_t take = std::min(pieceSize, log.size() - next);
    held.append(log, next, take);
    next += take;
    const bool atEnd = next == log.size();
    const size_t used = convertChunks(held.data(), held.size(), atEnd,
                                      &attributes, &page.writer);
    held.erase(0, used);
    if (atEnd) break;
  }
  writeTrailer(&page.writer);
  return stripFrame(finishStringPage(&page));
}

std::string plainBody(const std::string& log) {
  StringPage page;
  openStringPage(&page, kMinPageBufferSize);
  convertPlain(log.data(), log.size(), &page.writer);
  return stripFrame(finishStringPage(&page));
}
