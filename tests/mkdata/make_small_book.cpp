// Writes the small book as a PDF, for the stage of the checks that makes a
// Quirel of it. Usage: make-small-book PDF
#include <cstdio>

#include "pdf_maker.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-small-book PDF\n");
    return 2;
  }
  writePdf(argv[1], smallBook());
  return 0;
}
