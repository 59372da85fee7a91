#pragma once

#include <memory>
#include <string>

#include "services/Pictures.h"
#include "services/TextMeasurer.h"

namespace htmlsim {
class Session;
}

namespace htmlsim::cli {

class CliDialogs;

// The parts that differ between the two programs. htmlsim-cli itself runs the commands that
// need no Qt and hands everything else over to the full program beside it (htmlsim-cli-qt),
// which loads Qt; each program defines these once.

// Called first with the program's own arguments.
void StartProgram(int argc, char** argv);

// Replaces this process by the full program with the same arguments. Only called before the
// command has written anything; returns at once in the full program, which goes on itself.
void HandOverToFullProgram();

// Reads the sizes of pictures from their files' headers.
std::unique_ptr<Pictures> MakePictureSizes();

// Measures text in the editor's fonts.
std::unique_ptr<TextMeasurer> MakeTextMeasurer();

// A document on a server, reached through the session's remote client.
class RemoteDocuments {
  public:
    virtual ~RemoteDocuments() = default;
    // Connects to the server an address names and enters FTP mode in the path's folder;
    // the remote path of the document, or "" (with a message) when that fails.
    virtual std::string Connect(const std::string& address) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Whether the client has already reported its last failure.
    virtual bool FailureReported() const = 0;
};

std::unique_ptr<RemoteDocuments> MakeRemoteDocuments(Session& session, CliDialogs& dialogs);

}  // namespace htmlsim::cli
