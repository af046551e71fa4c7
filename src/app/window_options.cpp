// The window program's --help and --version (app/program_options.h).
#include "app/program_options.h"

namespace {

const ProgramAbout windowProgram = {
    installedProgramName, "[--help | --version]",
    "Opens the search window on the book built into it: up to three search terms, the book's words that\n"
    "begin with each (or, after a leading '*', contain it) with their pages, and the page ranges on which\n"
    "all terms meet within a chosen distance. A double-click on a result row opens the book's PDF at that\n"
    "page in the desktop's PDF viewer. Without a display it ends with status 255.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version, the book and the licence, and exit\n"};

}  // namespace

int answerWindowProgramOptions(int argc, char** argv) {
  int status = answerHelpOrVersion(windowProgram, argc, argv);
  if (status < 0 && argc > 1) status = refuseArgument(windowProgram, argv[1]);
  return status;
}
