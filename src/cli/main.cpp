// Placeholder entry of the command-line tool until its commands exist.
#include <iostream>

#include "foundation/version.h"

int main() {
  std::cout << "kelvo " << kelvo::VersionText() << "\n";
  return 0;
}
