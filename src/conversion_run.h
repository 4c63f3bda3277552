// The program's entry and driver: the command line, the two files, and the
// loop that cuts the log into chunks for the scanner.
#ifndef VARDMOOR_CONVERSION_RUN_H_
#define VARDMOOR_CONVERSION_RUN_H_

#include <stddef.h>

#include "html_page_writer.h"

enum ExitStatus {
  kExitSuccess = 0,  // the page was written in full
  kExitFailure = 1,  // a file could not be opened, read or written
  kExitUsage = 2,    // fewer than two paths were given
};

// The longest chunk: a line longer than this arrives in pieces, each
// converted as a line of its own with its own "<br>".
const size_t kMaxChunkSize = 65534;

// Converts the complete chunks at the start of `bytes`: each one ends after
// a line feed, at kMaxChunkSize bytes, or, when `atEnd` says no more bytes
// follow, at the end of `bytes`. Returns how many bytes were used; the rest
// begin a chunk that needs more bytes and must be handed in again.
size_t convertChunks(const char* bytes, size_t size, bool atEnd,
                     TextAttributes* attributes, HtmlPageWriter* writer);

// Runs the program: argv[1] is the log, argv[2] the page, further arguments
// are ignored. Prints the usage line or one error message on standard
// output and returns the ExitStatus.
int runConversion(int argc, char** argv);

#endif  // VARDMOOR_CONVERSION_RUN_H_
