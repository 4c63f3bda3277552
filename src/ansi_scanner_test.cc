#include "ansi_scanner.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace {

struct ScanCase {
  const char* name;
  std::string log;
  std::string page;  // body after the header; "{RRGGBB}" stands for a tag
};

#define S(literal) std::string(literal, sizeof(literal) - 1)

// Both the converter and the plain byte-at-a-time one must give each page.
template <size_t N>
void expectPages(const ScanCase (&cases)[N]) {
  for (const ScanCase& c : cases) {
    EXPECT_EQ(expandTags(c.page), convertedBody(c.log)) << c.name;
    EXPECT_EQ(expandTags(c.page), plainBody(c.log)) << "plain: " << c.name;
  }
}

const ScanCase kScanCases[] = {
    // Worked examples of whole sequences.
    {"bold red then reset", S("\x1b[1;31mHello \x1b[0m\n"),
     "<br>{FF0000}Hello {C0C0C0}\n"},
    {"no parameter", S("\x1b[mx"), "<br>x"},
    {"parameters apply left to right", S("\x1b[32;0mx"), "<br>x"},
    {"order of bold and colour", S("\x1b[31;1mx\x1b[1;31my"), "<br>{FF0000}xy"},
    // Values outside the understood set abort after their first digit.
    {"4 aborts", S("\x1b[4mx"), "<br>mx"},
    {"22 aborts", S("\x1b[22mx"), "<br>2mx"},
    {"39 aborts", S("\x1b[39mx"), "<br>9mx"},
    {"cursor move is text", S("\x1b[10;20Hx"), "<br>0;20Hx"},
    {"clear screen and home", S("\x1b[2J\x1b[Hx"), "<br>Jx"},
    {"abort keeps earlier reset", S("\x1b[0;4;32mx"), "<br>;32mx"},
    {"abort keeps earlier bold", S("\x1b[1;5;31mx"), "<br>{C0C0C0};31mx"},
    {"huge value never wraps", S("\x1b[4294967326mx"), "<br>294967326mx"},
    {"very long digit run", S("\x1b[") + std::string(40, '9') + "mx",
     "<br>" + std::string(39, '9') + "mx"},
    // Fixed widths: the digits after the width are not looked at.
    {"leading zero before 1", S("\x1b[01;32mx"), "<br>{C0C0C0};32mx"},
    {"leading zero before 30", S("\x1b[030mx"), "<br>{000000}mx"},
    {"double zero", S("\x1b[00mx"), "<br>mx"},
    // Whatever stands where a digit, ";" or final byte is looked for.
    {"semicolon first", S("\x1b[;32mx"), "<br>32mx"},
    {"empty parameter", S("\x1b[1;;32mx"), "<br>{C0C0C0}32mx"},
    {"ESC as final byte", S("\x1b[31\x1b[32mx"), "<br>{800000}[32mx"},
    {"high byte is no digit", S("\x1b[\xb3mx"), "<br>mx"},
    {"NUL as final byte", S("\x1b[\0mx"), "<br>mx"},
    {"line feed as final byte", S("\x1b[31\nb\n"), "<br><br>{800000}b\n"},
    // ESC and "[" that do not start a sequence are text.
    {"ESC without bracket", S("\x1bq\n"), "<br>\x1bq\n"},
    {"bracket without ESC", S("[31mx"), "<br>[31mx"},
    {"ESC last byte", S("ab\x1b"), "<br>ab\x1b"},
    // Cut off at the end of the log: effects kept, nothing written.
    {"cut after bracket", S("a\x1b["), "<br>a"},
    {"cut after parameter", S("\x1b[31ma\x1b[1"), "<br>{800000}a"},
    {"cut after semicolon", S("a\x1b[31;"), "<br>a"},
};

TEST(ScanChunk, WorkedExamples) {
  expectPages(kScanCases);
}

const ScanCase kTagCases[] = {
    {"no sequence writes no tag", S("plain text\n"), "<br>plain text\n"},
    {"red", S("\x1b[31ma"), "<br>{800000}a"},
    {"bold alone keeps default colour", S("\x1b[1ma"), "<br>{C0C0C0}a"},
    {"background writes same colour", S("\x1b[44mx\x1b[40my"),
     "<br>{C0C0C0}x{C0C0C0}y"},
    {"back to last written writes nothing", S("\x1b[31m\x1b[0ma"), "<br>a"},
    {"same colour, other fields", S("\x1b[37mx\x1b[0my"),
     "<br>{C0C0C0}x{C0C0C0}y"},
    {"tag before line feed", S("a\x1b[32m\n"), "<br>a{008000}\n"},
    {"attributes carry across lines", S("\x1b[31ma\nb\n"),
     "<br>{800000}a\n<br>b\n"},
    {"all bright colours",
     S("\x1b[1;30ma\x1b[33mb\x1b[34mc\x1b[35md\x1b[36me\x1b[37mf"),
     "<br>{808080}a{FFFF00}b{0000FF}c{FF00FF}d{00FFFF}e{FFFFFF}f"},
    {"all dim colours",
     S("\x1b[30ma\x1b[32mb\x1b[33mc\x1b[34md\x1b[35me\x1b[36mf\x1b[37mg"),
     "<br>{000000}a{008000}b{808000}c{000080}d{800080}e{008080}f{C0C0C0}g"},
};

TEST(ScanChunk, ColourTagsAreWrittenLazily) {
  expectPages(kTagCases);
}

const ScanCase kTextCases[] = {
    {"prompt", S("<HP:45/100 MV:80>\n"), "<br>&lt;HP:45/100 MV:80&gt;\n"},
    {"markup and entity", S("<b>&amp;"), "<br>&lt;b&gt;&amp;amp;"},
    {"script", S("<script>alert(1)</script>"),
     "<br>&lt;script&gt;alert(1)&lt;/script&gt;"},
    {"escaped byte gets its tag", S("\x1b[31m<"), "<br>{800000}&lt;"},
    {"NUL and the rest of the line", S("a\0b\n"), S("<br>a\0b\n")},
    {"line opening with NUL", S("\0abc\nd\n"), S("<br>\0abc\n<br>d\n")},
    {"other bytes unchanged", S("\xca\xee\xed\r\n\t\x7f\xff"),
     "<br>\xca\xee\xed\r\n<br>\t\x7f\xff"},
    {"empty log", "", ""},
    {"last line without line feed", S("a\nb"), "<br>a\n<br>b"},
};

TEST(ScanChunk, TextBytesReachThePage) {
  expectPages(kTextCases);
}

}  // namespace
