#include "fast_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Text of ordinary bytes with the bytes that matter sprinkled in at a given
// density. High bytes that differ from those only in their top bit catch a
// comparison that ignores it.
std::string randomText(std::mt19937* random, size_t size, int density) {
  static const char kOrdinary[] =
      "abcdefghijklmnop\x8a\x9b\xbc\xbe\xa6\x1a\x3b";
  static const char kSpecial[] = "\n\x1b<>&";
  std::uniform_int_distribution<size_t> ordinary(0, sizeof kOrdinary - 2);
  std::uniform_int_distribution<size_t> special(0, sizeof kSpecial - 2);
  std::uniform_int_distribution<int> rare(0, density);
  std::string text(size, ' ');
  for (char& byte : text)
    byte = rare(*random) == 0 ? kSpecial[special(*random)]
                              : kOrdinary[ordinary(*random)];
  return text;
}

TEST(FastText, FindsWhatThePlainSearchFinds) {
  std::mt19937 random(1);
  for (int density : {1, 8, 40, 1000}) {
    for (size_t size = 0; size < 200; ++size) {
      const std::string text = randomText(&random, size, density);
      const char* const end = text.data() + text.size();
      for (const char* from = text.data(); from != end; ++from)
        ASSERT_EQ(findLineFeedOrEscapePlain(from, end) - text.data(),
                  findLineFeedOrEscape(from, end) - text.data())
            << "size " << size << ", from " << (from - text.data());
    }
  }
}

TEST(FastText, EscapesLikeThePlainCopyWithinItsSlack) {
  std::mt19937 random(2);
  for (int density : {1, 3, 20, 1000}) {
    for (size_t size = 0; size < 120; ++size) {
      const std::string text = randomText(&random, size, density);
      std::string expected(5 * size, '\0');
      expected.resize(escapeTextPlain(&expected[0], text.data(), size));
      // Guard bytes right after the room the caller promises.
      const size_t room = 5 * size + kEscapeSlack;
      // The run sits at the start of a larger buffer, or fills it.
      const std::string buffer = text + randomText(&random, 20, density);
      for (size_t readable : {size, size + 20}) {
        std::string out(room + 8, '#');
        const size_t written =
            escapeText(&out[0], buffer.data(), size, readable);
        ASSERT_EQ(expected, out.substr(0, written))
            << "size " << size << ", readable " << readable;
        ASSERT_EQ(std::string(8, '#'), out.substr(room))
            << "size " << size << ", readable " << readable;
      }
    }
  }
}

TEST(FastText, EscapesEachMarkupByte) {
  std::string out(64, '\0');
  const std::string text = "<HP:45/100> & AT&amp;T";
  out.resize(escapeText(&out[0], text.data(), text.size(), text.size()));
  EXPECT_EQ("&lt;HP:45/100&gt; &amp; AT&amp;amp;T", out);
}

}  // namespace
