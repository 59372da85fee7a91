#pragma once

#include <string>

#include "publish/Publish.h"
#include "session/Session.h"

namespace htmlsim {

// File > Publish... for the open document: refuses a page on the FTP server, saves the page
// (through Save As when it was never saved), then publishes the simulation that starts there
// and says where it went. False when nothing was published; the user has been told why.
bool PublishOpenDocument(Session& session, PublishRequest request, Pictures& pictures);

// Tools > Preview Published: publishes the open document with the default settings into the
// folder "Published" of the temporary folder, emptied first. The player's page, or "" when
// nothing was published.
std::string PublishPreview(Session& session, Pictures& pictures);

}  // namespace htmlsim
