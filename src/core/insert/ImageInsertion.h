#pragma once

#include <string>
#include <vector>

#include "services/Clipboard.h"

namespace htmlsim {

class Session;

// The filter of "Insert Image From File": the classic formats, then PNG, as screenshots are
// mostly PNG files today.
inline constexpr const char* kInsertImageFilter = "Images|*.bmp;*.jpg;*.gif|PNG Images|*.png";

// The ways a picture reaches the page of a local document. Each places the picture file beside
// the document, adds its tag (InsertImageTag) and paints it. Failures are shown and end the
// command. A document on the FTP server is told that these routes are not open to it.

// "Insert Image From File": a bitmap becomes a JPEG beside the document; any other picture is
// copied there unless it already lies in the document's folder.
void InsertImageFromFile(Session& session);

// "Paste Image From Clipboard": the clipboard's picture is written as a JPEG named by the user.
void PasteImageFromClipboard(Session& session, Clipboard& clipboard);

// Files dropped on the surface, in order: pictures are copied beside the document and
// inserted, an HTML page is opened instead (ending the drop), anything else is skipped.
void DropFiles(Session& session, const std::vector<std::string>& paths);

}  // namespace htmlsim
