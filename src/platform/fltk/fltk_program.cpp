#include "platform/fltk/fltk_program.h"

#include <cassert>

namespace {

const WindowProgram* introduced = nullptr;

}  // namespace

void introduceWindowProgram(const WindowProgram& program) {
  assert(program.name != nullptr && program.withoutDisplay != nullptr);
  introduced = &program;
}

const WindowProgram& windowProgram() {
  assert(introduced != nullptr && "the program's entry introduces it before its first dialog");
  return *introduced;
}
