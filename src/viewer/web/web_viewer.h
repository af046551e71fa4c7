// The page's document viewer: the browser's own, in a new tab. While a
// script drives the page's dialog it only records what it is asked.
#pragma once

void setViewerRecordsOnly(bool only);
