// Helpers shared by the unit tests: pages written into strings.
#ifndef VARDMOOR_TEST_SUPPORT_H_
#define VARDMOOR_TEST_SUPPORT_H_

#include <string>

#include "html_page_writer.h"

// A writer over a string, with a buffer as small or large as a test wants.
struct StringPage {
  std::string text;
  std::string buffer;
  HtmlPageWriter writer = HtmlPageWriter();
};

void openStringPage(StringPage* page, size_t bufferSize = 4096);
// Flushes the writer and returns everything written so far.
const std::string& finishStringPage(StringPage* page);

// Writes "{RRGGBB}" in `pattern` out as the colour tag of that colour, so
// that expectations stay readable.
std::string expandTags(const std::string& pattern);

// The header as the writer writes it.
std::string pageHeader();

// The page body (between header and trailer) of `log`, made by the real
// converter with the log handed over in pieces of at most `pieceSize` bytes.
std::string convertedBody(const std::string& log, size_t pieceSize = 1 << 20);

// The same body made by the plain byte-at-a-time converter.
std::string plainBody(const std::string& log);

#endif  // VARDMOOR_TEST_SUPPORT_H_
