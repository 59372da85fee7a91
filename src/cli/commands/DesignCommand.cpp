#include <iostream>
#include <optional>

#include "CliCommand.h"
#include "CliDesign.h"
#include "json/DesignJson.h"

namespace htmlsim::cli {

namespace {

// Keeps the messages for the printed design instead of writing them to stderr.
class RecordingDialogs : public CliDialogs {
  public:
    void Message(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, IconName(icon)});
    }

    // A reading's messages come collected: each distinct text once, with its count and line.
    void ShowCollectedMessages(const std::vector<CollectedMessage>& collected) override {
        for (const CollectedMessage& message : collected) {
            messages.push_back({message.text, message.title, IconName(message.icon), message.count,
                                message.firstLine});
        }
    }

    std::vector<DesignMessage> messages;

  private:
    static const char* IconName(MessageIcon icon) {
        switch (icon) {
            case MessageIcon::Critical:
                return "critical";
            case MessageIcon::Question:
                return "question";
            case MessageIcon::Information:
            case MessageIcon::Exclamation:
                return "information";
            case MessageIcon::None:
                break;
        }
        return "none";
    }
};

int RunDesign(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        throw UsageError();
    }
    CliSession session;
    // Kept until the process ends: taking ten thousand areas apart one by one just before
    // exiting cost a twentieth of the command's time.
    PageDesign& design = *new PageDesign;
    NoSurface surface;
    const std::unique_ptr<Pictures> pictures = MakePictureSizes();
    RecordingDialogs dialogs;
    if (!OpenDesignDocument(session, args[0])) {
        return kExitFailure;
    }
    // Page controls are measured in the editor's fonts, which takes Qt: a page without any is
    // read without it.
    std::optional<CliPageControls> controls;
    if (HasPageControls(session.Get().DocumentText())) {
        HandOverToFullProgram();
        controls.emplace(session, dialogs);
    }
    PageControls* pageControls = controls ? &controls->Get() : nullptr;
    ImportDesign(session, design, surface, *pictures, dialogs, pageControls);
    // The JSON is sent in large blocks, which the C library writes without copying them into
    // a buffer of its own first.
    WriteDesignJson(std::cout, design, pageControls, dialogs.messages, session.Get().Codec());
    std::cout << '\n';
    return kExitSuccess;
}

const CliCommandRegistration kDesign(
    {"design", "PATH",
     "reads the design of the document at PATH and prints it as JSON: images, areas, labels, "
     "anchors, inputs and the messages shown while reading",
     RunDesign});

}  // namespace
}  // namespace htmlsim::cli
