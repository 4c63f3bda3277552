// Colour sequences across the cut of a long line: the input follows a run
// of text that ends up to 255 bytes before the longest chunk's end, so the
// input's first bytes land on the cut. The first input byte sets where.
#include <stddef.h>
#include <stdint.h>

#include <string>

#include "page_check.h"

namespace {
const size_t kLongestChunk = 65534;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string log(kLongestChunk - data[0], 'x');
  log.append(reinterpret_cast<const char*>(data) + 1, size - 1);
  // Reads of 1 to 17 KiB, so that a long line arrives in a few of them.
  const std::string page = convertInPieces(log, data, size, 1024, 64, 4096);
  checkPage(page, log, convertPlainly(log));
  return 0;
}
