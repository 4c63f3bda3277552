// What the fuzz targets do with a log: convert it in memory the way the run
// does, and check the page against what must hold for any log.
#ifndef VARDMOOR_FUZZ_PAGE_CHECK_H_
#define VARDMOOR_FUZZ_PAGE_CHECK_H_

#include <stddef.h>

#include <string>

// Converts `log` with convertChunks, handing it over in pieces the way
// reads arrive: piece i holds smallest + scale * pieceBytes[i % pieceByteCount]
// bytes (pieceByteCount may be 0: one piece). Writes through a page buffer
// of `pageBufferSize` bytes. Returns the whole page.
std::string convertInPieces(const std::string& log,
                            const unsigned char* pieceBytes,
                            size_t pieceByteCount, size_t smallest,
                            size_t scale, size_t pageBufferSize);

// The page of `log` made by the plain byte-at-a-time converter.
std::string convertPlainly(const std::string& log);

// Checks `page` against `log` and aborts with a message on the first
// property that does not hold:
// - it starts with the header and ends with the trailer;
// - between them there are only chunk prefixes, colour tags naming a
//   palette colour, entities and bytes other than "<", ">" and "&";
// - there is one chunk prefix per chunk of the log, and the text after each
//   is made of bytes of that chunk, in order;
// - each colour tag is followed by a text byte;
// - every "<" or ">" of the log that cannot have been the final byte of a
//   colour sequence is in the page as an entity;
// - the page equals `reference` byte for byte.
void checkPage(const std::string& page, const std::string& log,
               const std::string& reference);

#endif  // VARDMOOR_FUZZ_PAGE_CHECK_H_
