#include "conversion_run.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "test_support.h"

namespace {

const size_t kPieceSizes[] = {1, 3, 64, 4096, 65535, 1 << 20};

struct ChunkCase {
  const char* name;
  std::string log;
  std::string page;
};

std::string repeat(size_t count, char byte) { return std::string(count, byte); }

TEST(ConvertChunks, LongLinesArriveInPieces) {
  const ChunkCase cases[] = {
      {"65,533 bytes and a line feed are one chunk", repeat(65533, 'a') + "\n",
       "<br>" + repeat(65533, 'a') + "\n"},
      {"65,534 bytes and a line feed are two chunks", repeat(65534, 'a') + "\n",
       "<br>" + repeat(65534, 'a') + "<br>\n"},
      {"a line three chunks long", repeat(2 * 65534 + 5, 'b'),
       "<br>" + repeat(65534, 'b') + "<br>" + repeat(65534, 'b') + "<br>" +
           repeat(5, 'b')},
      {"a sequence cut at the limit keeps its effect",
       repeat(65530, 'a') + "\x1b[31" + "mx\n",
       "<br>" + repeat(65530, 'a') + "<br>{800000}mx\n"},
      {"ESC at the limit is text, its bracket starts the next chunk",
       repeat(65533, 'a') + "\x1b[31mx",
       "<br>" + repeat(65533, 'a') + "\x1b<br>[31mx"},
      {"attributes carry into the next piece of a line",
       "\x1b[1;32m" + repeat(65534 - 7, 'g') + "h",
       "<br>{00FF00}" + repeat(65534 - 7, 'g') + "<br>h"},
  };
  for (const ChunkCase& c : cases) {
    const std::string expected = expandTags(c.page);
    for (size_t piece : kPieceSizes)
      EXPECT_EQ(expected, convertedBody(c.log, piece))
          << c.name << ", pieces of " << piece;
    EXPECT_EQ(expected, plainBody(c.log)) << "plain: " << c.name;
  }
}

// Logs made mostly of the bytes that matter to the scanner, so that
// sequences, aborts, cut-offs and escapes meet in every combination.
std::string randomLog(std::mt19937* random, size_t size) {
  static const char kAlphabet[] = "\x1b\x1b\x1b[[[0134567;;;mmH<>&\n\n\0a\xff";
  std::uniform_int_distribution<size_t> pick(0, sizeof kAlphabet - 2);
  std::string log(size, ' ');
  for (char& byte : log) byte = kAlphabet[pick(*random)];
  return log;
}

TEST(ConvertChunks, MatchesThePlainConverterOnRandomLogs) {
  std::mt19937 random(20261211);
  for (int round = 0; round < 400; ++round) {
    const std::string log = randomLog(&random, round * 7 % 600);
    const std::string expected = plainBody(log);
    EXPECT_EQ(expected, convertedBody(log)) << "round " << round;
    EXPECT_EQ(expected, convertedBody(log, 1 + round % 13))
        << "round " << round;
  }
}

TEST(ConvertChunks, MatchesThePlainConverterAroundTheChunkLimit) {
  std::mt19937 random(7);
  for (size_t length = 65530; length <= 65538; ++length) {
    // A long line whose tail is dense with sequences, so that one is cut
    // off at the limit in many ways.
    std::string log = repeat(length - 40, 'x') + randomLog(&random, 40);
    log += randomLog(&random, 80);
    const std::string expected = plainBody(log);
    for (size_t piece : kPieceSizes)
      EXPECT_EQ(expected, convertedBody(log, piece))
          << "line of " << length << ", pieces of " << piece;
  }
}

TEST(ConvertChunks, KeepsAnUnfinishedChunkUntilMoreBytesCome) {
  StringPage page;
  openStringPage(&page);
  TextAttributes attributes = TextAttributes();
  EXPECT_EQ(3u, convertChunks("ab\ncd", 5, false, &attributes, &page.writer));
  EXPECT_EQ(2u, convertChunks("cd", 2, true, &attributes, &page.writer));
  EXPECT_EQ("<br>ab\n<br>cd", finishStringPage(&page));
}

}  // namespace
