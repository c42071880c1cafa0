// kelvo-man-page: writes the manual page of `kelvo` made from its help text.
#include <cstdio>
#include <exception>

#include "cli/man_page.h"
#include "foundation/paths.h"
#include "foundation/version.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: kelvo-man-page FILE\n");
    return 2;
  }
  try {
    kelvo::WriteFileAtomically(argv[1], kelvo::cli::ManPage(kelvo::VersionText()));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kelvo-man-page: %s\n", error.what());
    return 2;
  }
  return 0;
}
