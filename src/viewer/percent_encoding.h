// Text as it may stand in an address: every byte but the unreserved ones
// (letters, digits, "-._~") and those the caller keeps is written as %XX, so
// a '#', '%', '?' or blank in a file name stays part of the name.
#pragma once

#include <string>
#include <string_view>

std::string percentEncoded(std::string_view bytes, std::string_view alsoKept = {});
