#include "html_page_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace {

struct FailingSink {
  int calls;
};

bool failAlways(void* context, const char*, size_t) {
  static_cast<FailingSink*>(context)->calls += 1;
  return false;
}

TEST(HtmlPageWriter, BufferSizeNeverChangesThePage) {
  // A run that needs several buffers' worth of page, escapes included.
  std::string longRun;
  std::string longRunPage;
  for (int i = 0; i < 60; ++i) {
    longRun += "ab<&>";
    longRunPage += "ab&lt;&amp;&gt;";
  }
  std::string pages[2];
  const size_t sizes[2] = {kMinPageBufferSize, 1 << 16};
  for (int i = 0; i < 2; ++i) {
    StringPage page;
    openStringPage(&page, sizes[i]);
    writeHeader(&page.writer);
    beginChunk(&page.writer);
    TextAttributes red = {1, 31, 0};
    writeTextByte(&page.writer, red, '<');
    writeTextRun(&page.writer, red, longRun.data(),
                 longRun.data() + longRun.size());
    writeTextByte(&page.writer, TextAttributes(), 'z');
    writeTrailer(&page.writer);
    pages[i] = finishStringPage(&page);
  }
  EXPECT_EQ(pageHeader() + expandTags("<br>{FF0000}&lt;") + longRunPage +
                expandTags("{C0C0C0}z") + "</pre></font></body>",
            pages[0]);
  EXPECT_EQ(pages[0], pages[1]);
}

TEST(HtmlPageWriter, ReportsAFailedSinkAndStopsWriting) {
  FailingSink sink = {0};
  std::string buffer(kMinPageBufferSize, '\0');
  HtmlPageWriter writer;
  initPageWriter(&writer, &buffer[0], buffer.size(), failAlways, &sink);
  writeHeader(&writer);  // larger than the buffer: reaches the sink
  EXPECT_TRUE(writer.failed);
  const std::string text(1000, 't');
  writeTextRun(&writer, TextAttributes(), text.data(),
               text.data() + text.size());
  writeTrailer(&writer);
  EXPECT_FALSE(flushPageWriter(&writer));
  EXPECT_EQ(1, sink.calls);
}

TEST(HtmlPageWriter, HeaderNamesAFixedWidthFallbackAndBothHosts) {
  const std::string header = pageHeader();
  EXPECT_NE(std::string::npos,
            header.find("<font face = \"fixedsys, monospace\">"));
  EXPECT_NE(std::string::npos, header.find(std::string("<a href=\"http://") +
                                           kWebHost + "/vardmoor\">"));
  EXPECT_NE(std::string::npos, header.find(std::string("<a href=\"telnet://") +
                                           kGameHost + ":4000\">"));
  EXPECT_EQ("<font color = \"C0C0C0\">\n", header.substr(header.size() - 24));
}

}  // namespace
