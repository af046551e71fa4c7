// Every allocation the process makes through malloc, calloc or realloc is
// counted, so that a test can prove a piece of work allocates nothing (or
// only what it must). Linked only into tests built without sanitizers, whose
// runtimes take over the same functions.
#pragma once

long allocationCount();
