#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "text/DocumentCodec.h"

namespace htmlsim {

// The one crossing between the program's text (UTF-8) and Qt's strings. Document bytes reach
// a widget only decoded by the document's codec.
QString ToQString(std::string_view text);
std::string FromQString(const QString& text);

// A file name, in the platform's file-name encoding; for local paths only.
QString ToQPath(const std::string& path);
std::string FromQPath(const QString& path);

// The document's bytes as a widget shows them.
QString ShownText(std::string_view bytes, const DocumentCodec& codec);

// The raw text of a multi-line box (QTextDocument::toRawText): its paragraph ends become "\n",
// and no-break spaces and every other character stay what they are.
std::string FromQtRawText(const QString& raw);

}  // namespace htmlsim
