#pragma once

#include <string>

#include "services/Pictures.h"

namespace htmlsim {

class Session;

// The ways a picture reaches a page that lives on the FTP server. The picture is placed in the
// client's current remote folder and referenced by its remote path; its local copy in the
// temporary folder is the same file the import would download it to, so it is not fetched
// again. Failures are shown and end the command; a lost connection ends it silently, as the
// client has told the user.

// The picture file chosen on this computer: a bitmap becomes a JPEG, anything else is copied,
// then it is uploaded.
void InsertLocalFileIntoRemoteDocument(Session& session, const std::string& chosen);

// "Insert Image From FTP": a JPEG chosen on the server, downloaded once. Offered only for a
// document on the server: a local page could not reference the remote picture.
void InsertImageFromFtp(Session& session);

// The clipboard's picture written as a JPEG named by the user and uploaded.
void PasteIntoRemoteDocument(Session& session, const Picture& picture);

}  // namespace htmlsim
