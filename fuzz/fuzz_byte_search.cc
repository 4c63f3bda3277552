// The fast search for ESC, "<", ">" and "&" against the plain one, from
// every start within the first 32 bytes and to every end within the last 32,
// so that all alignments and tail lengths are covered.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include "byte_search.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  for (size_t begin = 0; begin < size && begin < 32; ++begin)
    for (size_t end = size; end > begin && end + 32 > size; --end) {
      const char* fast = findSpecialByte(bytes + begin, bytes + end);
      const char* plain = findSpecialBytePlain(bytes + begin, bytes + end);
      if (fast != plain) {
        fprintf(stderr, "search from %zu to %zu: fast %td, plain %td\n", begin,
                end, fast - bytes, plain - bytes);
        abort();
      }
    }
  return 0;
}
