// The 16-byte text copy against its byte-at-a-time twin: from every start
// within the first 16 bytes, to every limit within the last 32, with the
// readable bytes ending at the limit or at the end of the input. The page
// gets exactly the room the copy may need, so ASan sees any write past it.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "fast_text.h"

namespace {

void check(bool ok, const char* what, size_t begin, size_t limit,
           size_t readable) {
  if (ok) return;
  fprintf(stderr, "copyText from %zu to %zu, readable to %zu: %s\n", begin,
          limit, readable, what);
  abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  for (size_t begin = 0; begin < size && begin < 16; ++begin)
    for (size_t limit = size; limit > begin && limit + 32 > size; --limit)
      for (size_t readable : {limit, size}) {
        const size_t room = 5 * (limit - begin) + kCopySlack;
        std::vector<char> fast(room);
        std::vector<char> plain(room);
        char* fastOut = fast.data();
        char* plainOut = plain.data();
        const char* fastStop =
            copyText(&fastOut, bytes + begin, bytes + limit, bytes + readable);
        const char* plainStop =
            copyTextPlain(&plainOut, bytes + begin, bytes + limit);
        check(fastStop == plainStop, "stops elsewhere", begin, limit, readable);
        const size_t written = static_cast<size_t>(plainOut - plain.data());
        check(fastOut - fast.data() == plainOut - plain.data(),
              "writes another length", begin, limit, readable);
        check(memcmp(fast.data(), plain.data(), written) == 0,
              "writes other bytes", begin, limit, readable);
      }
  return 0;
}
