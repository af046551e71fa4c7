// A Windows path as a file URL, for the viewers that take a document as an
// address (the browsers), where the page goes in the address's fragment.
// Pure, so it is tested on every platform.
#pragma once

#include <string>
#include <string_view>

// file:///C:/dir/name.pdf for a path with a drive, file://server/share/name.pdf
// for a network path: backslashes become slashes, and every UTF-8 byte of
// the path but letters, digits, "-._~", the slashes and the drive's colon
// is percent-encoded (so a '#', '%' or '?' in a name stays part of it).
// `path` is a full path, UTF-16 where wchar_t is 16 bits wide (Windows), one
// character a unit where it is 32 bits.
std::wstring fileUrlOfWindowsPath(const std::wstring& path);

// Wide text as it may stand in an address: its UTF-8 with every byte but the
// unreserved ones and `alsoKept` percent-encoded, so the result is ASCII.
std::wstring addressTextOf(const std::wstring& text, std::string_view alsoKept = {});
