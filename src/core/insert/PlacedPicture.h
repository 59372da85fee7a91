#pragma once

#include <exception>
#include <string>

namespace htmlsim {

class Session;

// The last step of every way a picture reaches the page: its tag is added (InsertImageTag) with
// the path the page will reference, the design is written into the page, and the new last
// image is painted.
void InsertAndPaint(Session& session, const std::string& path);

// A failure that ends an insertion command, shown to the user.
void ReportInsertionFailure(Session& session, const std::exception& failure);

}  // namespace htmlsim
