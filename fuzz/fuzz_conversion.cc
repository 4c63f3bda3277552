// Arbitrary bytes through the whole conversion: the input is the log, and
// its own bytes decide how it is cut into reads and how large the page
// buffer is.
#include <stddef.h>
#include <stdint.h>

#include <string>

#include "html_page_writer.h"
#include "page_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string log(reinterpret_cast<const char*>(data), size);
  const size_t pageBufferSize =
      kMinPageBufferSize + (size == 0 ? 0 : 4 * data[size - 1]);
  const std::string page =
      convertInPieces(log, data, size, 1, 1, pageBufferSize);
  checkPage(page, log, convertPlainly(log));
  return 0;
}
