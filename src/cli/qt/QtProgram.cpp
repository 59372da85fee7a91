#include <QtGlobal>

#include "CurlRemoteDocuments.h"
#include "OnDemandTextMeasurer.h"
#include "PictureSizes.h"
#include "ProgramParts.h"

namespace htmlsim::cli {

void StartProgram(int, char**) {
    // Only the command's own messages belong on stderr, not Qt's notes about the environment
    // or about the pictures it reads.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

void HandOverToFullProgram() {}

std::unique_ptr<Pictures> MakePictureSizes() {
    return std::make_unique<PictureSizes>();
}

std::unique_ptr<TextMeasurer> MakeTextMeasurer() {
    return std::make_unique<OnDemandTextMeasurer>();
}

std::unique_ptr<RemoteDocuments> MakeRemoteDocuments(Session& session, CliDialogs& dialogs) {
    return std::make_unique<CurlRemoteDocuments>(session, dialogs);
}

}  // namespace htmlsim::cli
