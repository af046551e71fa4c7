// Every allocation the process makes through malloc, calloc or realloc is
// counted, so that a test can prove a piece of work allocates nothing (or
// only what it must), and every block given back through free or realloc
// is counted too, so that a test can prove nothing is kept. Linked only into
// tests built without sanitizers, whose runtimes take over the same
// functions.
#pragma once

long allocationCount();
// Blocks allocated and not yet freed.
long liveAllocationCount();
