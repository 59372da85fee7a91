#pragma once

#include <string>
#include <string_view>

namespace htmlsim {

// "javascript:history.back()" in any case: the way back, not a page.
bool IsBackLink(std::string_view link);

// "http:", "mailto:", "javascript:..." but not a drive letter such as "C:".
bool HasScheme(std::string_view link);

// The file part of a link: what follows "#" or "?" is for the browser.
std::string_view LinkFilePart(std::string_view link);

// Whether a link names a page file of the simulation: it has a file part and no scheme.
// Fragment-only links ("#", "#top") stay on the page they are on.
bool LeadsToPage(std::string_view link);

// The page file a link names, spelled one way: "./start.html", "start.html" and
// "start.html#part" all give "start.html".
std::string PageFileOfLink(std::string_view link);

}  // namespace htmlsim
