// The terms every lookup benchmark uses, Quirel's and SQLite's alike.
#pragma once

// Prefix terms: one symbol, two symbols, a longer word, and one that runs
// into the limit of 100 words.
inline const char* const prefixTerms[] = {"k", "kr", "motor", "sch"};

// Substring terms, after their '*': one that matches nothing, so that every
// key is searched to its end, and a common one.
inline const char* const substringTerms[] = {"erqx", "motor"};
