// Starting a program that outlives us and is never waited for: no shell,
// an argument vector as it is; its own session; standard input from
// /dev/null, standard output and error ours, no other descriptor of ours;
// the default handling of every signal.
#pragma once

#include <string>
#include <vector>

// False when the program could not be started (not found, not executable,
// or no process to be had); argv[0] is looked up on $PATH when it holds
// no '/'.
bool startDetached(const std::vector<std::string>& argv);
