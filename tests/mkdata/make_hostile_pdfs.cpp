// Writes every crafted PDF of hostile_pdf.h into a directory, as NAME.pdf,
// and lists each with its fault, for bench/hostile-book-bounds.
// Usage: make-hostile-pdfs DIR
#include <cstdio>
#include <fstream>

#include "hostile_pdf.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-hostile-pdfs DIR\n");
    return 2;
  }
  for (const HostilePdf& pdf : hostilePdfs()) {
    const std::string path = std::string(argv[1]) + "/" + pdf.name + ".pdf";
    std::ofstream(path, std::ios::binary) << pdf.bytes();
    std::printf("%s\t%s\n", pdf.name, pdf.fault);
  }
  return 0;
}
