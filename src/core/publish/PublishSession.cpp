#include "publish/PublishSession.h"

#include <filesystem>

#include "components/FileHelper.h"

namespace htmlsim {

namespace {

// The simulation is read from the files, so the page must be saved as it stands.
bool PageSaved(Session& session) {
    Dialogs& dialogs = session.GetDialogs();
    if (session.DocumentSource() == kFtpDocument) {
        dialogs.Message(kPublishFromFtpRefused, "", MessageIcon::Exclamation);
        return false;
    }
    session.SaveCommand();
    // Not saved: the save said why, or the user cancelled Save As.
    return FileHelper::FileExists(session.PathAndName()) && !session.ChangedSinceSaved() &&
           !session.SectionEdited();
}

}  // namespace

bool PublishOpenDocument(Session& session, PublishRequest request, Pictures& pictures) {
    if (!PageSaved(session)) {
        return false;
    }
    request.startPath = session.PathAndName();
    if (!PublishSimulation(request, pictures, session.GetDialogs())) {
        return false;
    }
    session.GetDialogs().Message(
        "The simulation has been published to '" + request.outFolder + "'.", "",
        MessageIcon::Information);
    return true;
}

std::string PublishPreview(Session& session, Pictures& pictures) {
    if (!PageSaved(session)) {
        return "";
    }
    const std::filesystem::path folder =
        std::filesystem::path(session.TemporaryFolder()) / "Published";
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    PublishRequest request;
    request.startPath = session.PathAndName();
    request.outFolder = folder.string();
    if (!PublishSimulation(request, pictures, session.GetDialogs())) {
        return "";
    }
    return (folder / "index.html").string();
}

}  // namespace htmlsim
