#include "conversion_run.h"

#include <stdio.h>
#include <string.h>

#include "ansi_scanner.h"
#include "file_identity.h"

namespace {

// Large reads and writes keep the system calls few. The input buffer holds
// at least one whole chunk past whatever is left of the previous read.
const size_t kReadSize = size_t{256} * 1024;
const size_t kPageBufferSize = size_t{256} * 1024;

// Both buffers are fixed for the life of the process: nothing is allocated
// while converting, and memory stays the same for a log of any size.
char gInput[kReadSize + kMaxChunkSize];
char gPageBuffer[kPageBufferSize];

bool writeToFile(void* context, const char* bytes, size_t size) {
  return fwrite(bytes, 1, size, static_cast<FILE*>(context)) == size;
}

int fail(const char* message, const char* path) {
  printf(message, path);
  return kExitFailure;
}

// How many bytes at the start of `bytes` make whole chunks when more bytes
// may follow: everything up to the last line feed, then as many full-size
// pieces of the unfinished line as there are.
size_t completeChunksSize(const char* bytes, size_t size) {
  size_t lineEnd = size;
  while (lineEnd != 0 && bytes[lineEnd - 1] != '\n') --lineEnd;
  return lineEnd + (size - lineEnd) / kMaxChunkSize * kMaxChunkSize;
}

enum RunOutcome { kConverted, kReadFailed, kWriteFailed };

RunOutcome convertFile(FILE* log, HtmlPageWriter* writer) {
  TextAttributes attributes = TextAttributes();
  size_t held = 0;  // bytes of an unfinished chunk kept from the last read
  for (;;) {
    const size_t wanted = sizeof gInput - held;
    const size_t got = fread(gInput + held, 1, wanted, log);
    // A short read is the end of the log or a failure; a failure must not
    // pass for the end, or a truncated page would count as a whole one.
    if (got < wanted && ferror(log)) return kReadFailed;
    const bool atEnd = got < wanted;
    held += got;
    const size_t used = convertChunks(gInput, held, atEnd, &attributes, writer);
    if (writer->failed) return kWriteFailed;
    if (atEnd) return kConverted;
    held -= used;
    memmove(gInput, gInput + used, held);
  }
}

}  // namespace

size_t convertChunks(const char* bytes, size_t size, bool atEnd,
                     TextAttributes* attributes, HtmlPageWriter* writer) {
  const size_t complete = atEnd ? size : completeChunksSize(bytes, size);
  size_t done = 0;
  while (done < complete) {
    const size_t left = complete - done;
    beginChunk(writer);
    done += scanChunk(bytes + done, left < kMaxChunkSize ? left : kMaxChunkSize,
                      attributes, writer);
  }
  return done;
}

int runConversion(int argc, char** argv) {
  if (argc < 3) {
    printf("\nUsage: VardmoorHtml.exe <logfile> <htmlfile>\n");
    return kExitUsage;
  }
  const char* logPath = argv[1];
  const char* pagePath = argv[2];

  FILE* log = fopen(logPath, "rt");
  if (log == NULL) return fail("File open error: %s\n", logPath);
  if (isDirectory(log)) {
    fclose(log);
    return fail("File open error: %s\n", logPath);
  }
  // Opening the page truncates it, so this must be known first.
  if (isSameFile(log, pagePath)) {
    fclose(log);
    return fail("File open error: %s (same file as the log)\n", pagePath);
  }
  FILE* page = fopen(pagePath, "wt");
  if (page == NULL) {
    fclose(log);
    return fail("File open error: %s\n", pagePath);
  }

  HtmlPageWriter writer;
  initPageWriter(&writer, gPageBuffer, sizeof gPageBuffer, writeToFile, page);
  writeHeader(&writer);
  RunOutcome outcome = convertFile(log, &writer);
  if (outcome == kConverted) {
    writeTrailer(&writer);
    if (!flushPageWriter(&writer)) outcome = kWriteFailed;
  }
  fclose(log);
  if (fclose(page) != 0 && outcome == kConverted) outcome = kWriteFailed;

  if (outcome == kReadFailed) return fail("File read error: %s\n", logPath);
  if (outcome == kWriteFailed) return fail("File write error: %s\n", pagePath);
  return kExitSuccess;
}
