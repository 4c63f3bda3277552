// Writes a deterministic game-like log to standard output, for benchmarks:
//   make_log dense|plain BYTES
// "dense" colours nearly every phrase with 16-colour SGR sequences; "plain"
// is the same kind of text with no sequence at all. Lines end in CR LF, and
// some are Windows-1251 Cyrillic, as in logs of Russian-speaking servers.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

unsigned long long gState = 0x9E3779B97F4A7C15ull;

unsigned nextRandom(unsigned bound) {
  gState ^= gState << 13;
  gState ^= gState >> 7;
  gState ^= gState << 17;
  return static_cast<unsigned>(gState % bound);
}

const char* const kRooms[] = {
    "The Crooked Lantern Tavern",
    "A narrow path between mossy boulders",
    "The north gate of the city",
    "A damp cellar that smells of old wine",
};
const char* const kDescriptions[] = {
    "Smoke curls under low beams. A fire crackles in the hearth, and a "
    "battered notice board hangs by the door.",
    "The path winds between boulders green with moss. Somewhere to the west "
    "a stream runs over stones.",
    "Heavy oak gates stand open to the road. Guards in chain mail watch the "
    "travellers pass with bored eyes.",
    // "Тёмный подвал. С потолка капает вода." in Windows-1251.
    "\xD2\xB8\xEC\xED\xFB\xE9 \xEF\xEE\xE4\xE2\xE0\xEB. \xD1 \xEF\xEE\xF2"
    "\xEE\xEB\xEA\xE0 \xEA\xE0\xEF\xE0\xE5\xF2 \xE2\xEE\xE4\xE0.",
};
const char* const kMonsters[] = {"the drunken dwarf", "a hungry wolf",
                                 "the city guard", "a giant rat",
                                 "\xF1\xF2\xE0\xF0\xFB\xE9 \xE3\xEE\xE1"
                                 "\xEB\xE8\xED"};
const char* const kVerbs[] = {"slash", "pierce", "bash", "miss", "claw"};
const char* const kChat[] = {
    "anyone up for the crypt run?",
    "bar fights & broken mugs again <sigh>",
    "selling a rusty sword, 20 gold",
    "lol",
    "brb, dinner",
    "\xEA\xF2\xEE \xE8\xE4\xB8\xF2 \xE2 \xEF\xEE\xF5\xEE\xE4?"};

template <size_t N>
const char* pick(const char* const (&table)[N]) {
  return table[nextRandom(N)];
}

bool gColour = true;
unsigned long long gWritten = 0;

// An SGR sequence, or nothing in the plain variant.
void colour(const char* parameters) {
  if (gColour)
    gWritten += static_cast<unsigned>(printf("\x1b[%sm", parameters));
}

const char* brightColour() {
  static const char* const kBright[] = {"1;31", "1;32", "1;33", "1;34",
                                        "1;35", "1;36", "1;37"};
  return pick(kBright);
}

void writeScene() {
  const unsigned kind = nextRandom(10);
  int written = 0;
  if (kind == 0) {
    colour("1;36");
    written += printf("%s", pick(kRooms));
    colour("0");
    written += printf("\r\n");
    colour("0;37");
    written += printf("%s", pick(kDescriptions));
    colour("0");
    written += printf("\r\n");
    colour("32");
    written += printf("Exits: north east down");
    colour("0");
    written += printf("\r\n");
  } else if (kind <= 5) {
    colour(brightColour());
    written += printf("You %s %s", pick(kVerbs), pick(kMonsters));
    colour("0");
    written += printf(" for ");
    colour("1;33");
    written += printf("%u", nextRandom(40));
    colour("0");
    written += printf(" damage.\r\n");
    colour("31");
    written += printf("%s hits you.", pick(kMonsters));
    colour("0");
    written += printf("\r\n");
  } else if (kind <= 7) {
    colour("1;32");
    written += printf("[Chat] Mirela: ");
    colour("0;32");
    written += printf("%s", pick(kChat));
    colour("0");
    written += printf("\r\n");
  }
  colour("0;33");
  written +=
      printf("<HP:%u/100 MV:%u/80>", 10 + nextRandom(90), nextRandom(81));
  colour("0");
  written += printf(" \r\n");
  gWritten += static_cast<unsigned>(written);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 ||
      (strcmp(argv[1], "dense") != 0 && strcmp(argv[1], "plain") != 0)) {
    fprintf(stderr, "usage: make_log dense|plain BYTES\n");
    return 2;
  }
  gColour = strcmp(argv[1], "dense") == 0;
  const unsigned long long wanted = strtoull(argv[2], NULL, 10);
  while (gWritten < wanted) writeScene();
  return 0;
}
