// quirel-mkdata: builds the word index and heading table from a book.
#include <cstring>
#include <iostream>

#include "commands.h"
#include "quirel_version.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "quirel-mkdata " << QUIREL_VERSION << "\n" << QUIREL_LICENCE_NOTICE;
    return 0;
  }
  return runMkdata(Arguments(argv + 1, argv + argc), std::cout, std::cerr);
}
