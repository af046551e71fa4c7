// quirel-mkdata: builds the word index and heading table from a book.
#include <iostream>

#include "commands.h"

int main(int argc, char** argv) {
  return runMkdata(Arguments(argv + 1, argv + argc), std::cout, std::cerr);
}
