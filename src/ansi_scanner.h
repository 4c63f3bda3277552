// The colour-sequence scanner: sorts one chunk of the log into text, which
// goes to the page writer, and SGR colour sequences, which change the
// current attributes. No byte string is an error.
#ifndef VARDMOOR_ANSI_SCANNER_H_
#define VARDMOOR_ANSI_SCANNER_H_

#include <stddef.h>

#include "html_page_writer.h"

// Scans the chunk at the start of `text`: it ends after the first line feed,
// or after `size` bytes (NULs included: they are text). Returns the chunk's
// length. Every text byte reaches `writer` in order, in the attributes in
// force at that point; `attributes` is changed in place by the sequences
// read. A sequence cut off by the end of the chunk keeps the effect of the
// parameters read so far and writes nothing; nothing of it carries into the
// next chunk.
size_t scanChunk(const char* text, size_t size, TextAttributes* attributes,
                 HtmlPageWriter* writer);

#endif  // VARDMOOR_ANSI_SCANNER_H_
