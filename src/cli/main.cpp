// The command-line tool `kelvo`: batch work on libraries and galleries without a window.
#include <QCoreApplication>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/kelvo_app.h"

int main(int argc, char** argv) {
  std::setlocale(LC_CTYPE, "");  // messages follow the terminal's encoding
  QCoreApplication app(argc, argv);
  const std::vector<std::string> args(argv, argv + argc);
  return kelvo::cli::RunKelvo(args, std::cout, std::cerr);
}
