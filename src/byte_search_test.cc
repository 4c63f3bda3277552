#include "byte_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

TEST(FindSpecialByte, AgreesWithTheByteAtATimeSearch) {
  std::mt19937 random(1);
  // Sparse hits, so that whole 16-byte blocks are skipped, at every
  // alignment and length.
  const char kBytes[] = "abcdefghijklmnop\x1b<>&\x9b\xbc\xbe\xa6\x1a\x3b\x3d";
  std::uniform_int_distribution<size_t> pick(0, sizeof kBytes - 2);
  std::uniform_int_distribution<int> rare(0, 40);
  for (int round = 0; round < 2000; ++round) {
    std::string text(static_cast<size_t>(round % 97), 'x');
    for (char& byte : text)
      byte = rare(random) == 0 ? kBytes[16 + pick(random) % 4]
                               : kBytes[pick(random)];
    for (size_t start = 0; start < text.size() && start < 20; ++start) {
      const char* begin = text.data() + start;
      const char* end = text.data() + text.size();
      ASSERT_EQ(findSpecialBytePlain(begin, end), findSpecialByte(begin, end))
          << "round " << round << ", start " << start;
    }
  }
}

TEST(FindSpecialByte, FindsEachSpecialByteAtEveryPosition) {
  for (char special : std::string("\x1b<>&")) {
    for (size_t at = 0; at < 40; ++at) {
      std::string text(40, '=');
      text[at] = special;
      EXPECT_EQ(text.data() + at,
                findSpecialByte(text.data(), text.data() + text.size()));
    }
  }
  const std::string none(100, 'z');
  EXPECT_EQ(none.data() + none.size(),
            findSpecialByte(none.data(), none.data() + none.size()));
}

}  // namespace
