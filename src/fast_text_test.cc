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

// Copies from every start in `text`, with the limit at the end or a few
// bytes in, and with the readable bytes ending at the limit or beyond it.
void expectSameCopies(const std::string& text) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  for (const char* from = begin; from != end; ++from) {
    for (const char* limit : {end, from + (end - from) / 2}) {
      std::string expected(5 * text.size() + kCopySlack, '\0');
      char* plainOut = &expected[0];
      const char* plainStop = copyTextPlain(&plainOut, from, limit);
      expected.resize(static_cast<size_t>(plainOut - &expected[0]));
      for (const char* readableEnd : {limit, end}) {
        // Guard bytes right after the room that the caller promises.
        const size_t room = 5 * static_cast<size_t>(limit - from) + kCopySlack;
        std::string page(room + 8, '#');
        char* out = &page[0];
        const char* stop = copyText(&out, from, limit, readableEnd);
        const size_t written = static_cast<size_t>(out - &page[0]);
        ASSERT_EQ(plainStop - begin, stop - begin)
            << "from " << (from - begin) << ", limit " << (limit - begin);
        ASSERT_EQ(expected, page.substr(0, written))
            << "from " << (from - begin) << ", limit " << (limit - begin);
        ASSERT_EQ(std::string(8, '#'), page.substr(room))
            << "from " << (from - begin) << ", limit " << (limit - begin);
      }
    }
  }
}

TEST(CopyText, MatchesThePlainCopy) {
  std::mt19937 random(2);
  for (int density : {1, 4, 20, 1000}) {
    for (size_t size = 0; size < 90; ++size)
      expectSameCopies(randomText(&random, size, density));
  }
}

TEST(CopyText, StopsWhereTheRunEnds) {
  struct Case {
    std::string text;
    std::string page;
    size_t stop;
  } cases[] = {
      {"<HP:45/100> & AT&amp;T\nnext", "&lt;HP:45/100&gt; &amp; AT&amp;amp;T\n",
       23},
      {"red\x1b[0m", "red", 3},
      {"long text without any stop at all, thirty-nine", "", 46},
  };
  cases[2].page = cases[2].text;
  for (const Case& c : cases) {
    std::string page(5 * c.text.size() + kCopySlack, '\0');
    char* out = &page[0];
    const char* stop =
        copyText(&out, c.text.data(), c.text.data() + c.text.size(),
                 c.text.data() + c.text.size());
    EXPECT_EQ(c.stop, static_cast<size_t>(stop - c.text.data())) << c.text;
    EXPECT_EQ(c.page, page.substr(0, static_cast<size_t>(out - &page[0])));
  }
}

}  // namespace
