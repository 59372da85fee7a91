#pragma once

#include <string>
#include <vector>

#include "services/Clipboard.h"

namespace htmlsim {

class Session;

// The filter of "Insert Image From File": every picture the editor reads first, as
// screenshots are mostly PNG files today, then the classic formats and PNG alone.
inline constexpr const char* kInsertImageFilter =
    "Pictures|*.png;*.jpg;*.jpeg;*.gif;*.bmp|Images|*.bmp;*.jpg;*.gif|PNG Images|*.png";

// The ways a picture reaches the page. For a local document each places the picture file beside
// the document, adds its tag (InsertImageTag) and paints it; a document on the FTP server takes
// the routes of RemoteImageInsertion.h. Failures are shown and end the command.

// "Insert Image From File": a bitmap becomes a JPEG beside the document; any other picture is
// copied there unless it already lies in the document's folder.
void InsertImageFromFile(Session& session);

// "Paste Image From Clipboard": the clipboard's picture is written as a JPEG named by the user.
void PasteImageFromClipboard(Session& session, Clipboard& clipboard);

// Files dropped on the surface, in order: pictures are copied beside the document and
// inserted, an HTML page is opened instead (ending the drop), anything else is skipped. A
// document on the FTP server refuses drops with a message.
void DropFiles(Session& session, const std::vector<std::string>& paths);

}  // namespace htmlsim
