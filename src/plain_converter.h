// A plain, byte-at-a-time converter written straight from the scanning
// rules, with no search tricks and no bulk copies. It is not part of the
// program: tests and fuzzing check the real converter against it.
#ifndef VARDMOOR_PLAIN_CONVERTER_H_
#define VARDMOOR_PLAIN_CONVERTER_H_

#include <stddef.h>

#include "html_page_writer.h"

// Scans one chunk like scanChunk, passing every text byte to writeTextByte.
void scanChunkPlain(const unsigned char* chunk, size_t size,
                    TextAttributes* attributes, HtmlPageWriter* writer);

// Writes the whole page of `log`: header, chunks cut one byte at a time,
// trailer.
void convertPlain(const char* log, size_t size, HtmlPageWriter* writer);

#endif  // VARDMOOR_PLAIN_CONVERTER_H_
