#include "app/program_options.h"

#include <cassert>
#include <cstdio>
#include <cstring>

#include "caption.h"
#include "platform/win32/cp1252.h"
#include "quirel_version.h"

const char installedProgramName[] = QUIREL_PROGRAM_NAME;
const char installedScriptName[] = QUIREL_PROGRAM_NAME "-script";

int answerHelpOrVersion(const ProgramAbout& about, int argc, char** argv) {
  assert(about.name != nullptr && about.usage != nullptr && about.help != nullptr);
  if (argc != 2) return -1;
  if (std::strcmp(argv[1], "--version") == 0) {
    // The caption names the book, as the window's title bar does.
    std::printf("%s %s\n%s\n%s", about.name, QUIREL_VERSION, cp1252ToUtf8(QUIREL_CAPTION).c_str(),
                QUIREL_LICENCE_NOTICE);
    return 0;
  }
  if (std::strcmp(argv[1], "--help") == 0) {
    std::printf("Usage: %s %s\n%s", about.name, about.usage, about.help);
    return 0;
  }
  return -1;
}

int refuseArgument(const ProgramAbout& about, const char* argument) {
  assert(argument != nullptr);
  std::fprintf(stderr, "%s: unknown argument '%s'\nUsage: %s %s\nTry '%s --help' for more information.\n",
               about.name, argument, about.name, about.usage, about.name);
  return 2;
}
