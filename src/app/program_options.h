// What every Quirel program answers before it starts, as Debian's programs
// do: --help (its usage and what it does) and --version (the program's
// name and version, the book it carries, the licence) on standard output
// with status 0; an argument it does not take on standard error with
// status 2, naming --help.
#pragma once

// The program as the reader knows it.
struct ProgramAbout {
  const char* name;   // as installed: "quirel", "quirel-NAME-script"
  const char* usage;  // the usage line after "Usage: NAME "
  const char* help;   // what it does and its options, after the usage line
};

// 0 once --help or --version, the one argument, is answered; -1 otherwise.
int answerHelpOrVersion(const ProgramAbout& about, int argc, char** argv);

// Says that `argument` is not taken; the status to end with (2).
int refuseArgument(const ProgramAbout& about, const char* argument);

// The names the build gives the programs (QUIREL_PROGRAM_NAME): the window
// program's, and the script driver's (the same and "-script").
extern const char installedProgramName[];
extern const char installedScriptName[];

// The window program's answer (window_options.cpp): -1 to open the window.
int answerWindowProgramOptions(int argc, char** argv);
