// A local file as a file: URL, for viewers that take the page in a URL's
// fragment.
#pragma once

#include <string>
#include <string_view>

// "file://" and the absolute path with every byte but the unreserved ones
// and '/' percent-encoded (a blank, '#', '%', '?' and non-ASCII bytes among
// them), so the path cannot be read as a fragment or a query.
std::string fileUrlOfPosixPath(std::string_view absolutePath);
