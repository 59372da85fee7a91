#include "SessionMachine.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <ranges>
#include <set>
#include <sstream>

#include "insert/ImageInsertion.h"
#include "session/DesignGate.h"
#include "session/SurfaceKeyboard.h"
#include "util/Text.h"

namespace htmlsim::testing {

namespace {

const char* const kPages[] = {"utf8-crlf.html", "utf8-lf.html", "cp1252-crlf.html",
                              "cp1252-lf.html"};
constexpr int kPageCount = 4;
const char* const kRemoteSite = "/www/site/";
const char* const kPictureBytes = "PNG shot";
const std::set<std::string> kDesignSections = {
    "CanvasScript_Top", "Images", "Labels", "Anchors", "Inputs", "Balloons", "CanvasScript_Bottom"};
// Where image 1 of every page lies on the surface at first, and its size.
constexpr float kImageLeft = 100, kImageTop = 50, kImageWidth = 200, kImageHeight = 150;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The page of the given encoding and line break (its name says which): an image map whose two
// areas link to two other pages, and a section of text with letters beyond ASCII.
std::string PageBytes(int page) {
    return TestDataFile(std::string("session-pages/") + kPages[page]);
}

// What the session writes for a text: blanks and line breaks at the ends go, then the file ends
// with the document's line break (CR LF unless its lines end with LF alone). Remote pages are
// written as they stand.
std::string LineBreakOf(const std::string& text) {
    return text.find("\r\n") != std::string::npos || text.find('\n') == std::string::npos ? "\r\n"
                                                                                          : "\n";
}
std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(" \r\n");
    return last == std::string::npos ? "" : text.substr(first, last + 1 - first);
}
std::string SavedBytes(const std::string& text, bool remote) {
    return remote ? text : Trimmed(text) + LineBreakOf(text);
}

struct SectionSpan {
    std::string name;
    size_t start = 0;      // of the start marker
    size_t bodyStart = 0;  // after its line break
    size_t bodyEnd = 0;    // of the end marker
    size_t end = 0;        // after the end marker
};

std::string Body(const std::string& text, const SectionSpan& section) {
    return text.substr(section.bodyStart, section.bodyEnd - section.bodyStart);
}

std::vector<SectionSpan> SplitSections(const std::string& text) {
    static const std::string kStart = "<!-- Section: ", kEnd = "<!-- Section End -->";
    std::vector<SectionSpan> sections;
    for (size_t at = text.find(kStart); at != std::string::npos; at = text.find(kStart, at + 1)) {
        const size_t nameEnd = text.find(" -->", at);
        const size_t bodyStart = text.find('\n', nameEnd);
        const size_t bodyEnd = text.find(kEnd, at);
        if (nameEnd == std::string::npos || bodyStart == std::string::npos ||
            bodyEnd == std::string::npos) {
            break;
        }
        sections.push_back({text.substr(at + kStart.size(), nameEnd - at - kStart.size()), at,
                            bodyStart + 1, bodyEnd, bodyEnd + kEnd.size()});
    }
    return sections;
}

// The text with the bodies of the named sections left out, and the added ones dropped whole.
std::string Outside(const std::string& text, const std::set<std::string>& changed,
                    const std::set<std::string>& added) {
    std::string kept;
    size_t from = 0;
    for (const auto& section : SplitSections(text)) {
        // A section whose end marker was deleted runs on to the next one's: the sections it
        // takes in lie inside what is already left out.
        if (section.start < from) {
            continue;
        }
        if (added.contains(section.name)) {
            kept += text.substr(from, section.start - from);
            from = section.end + (text.compare(section.end, 2, "\r\n") == 0 ? 2 : 1);
        } else if (changed.contains(section.name)) {
            kept += text.substr(from, section.bodyStart - from) + "...";
            from = section.bodyEnd;
        }
    }
    return kept + text.substr(std::min(from, text.size()));
}

// The section's body as the Document Editor shows it: UTF-8 with "\n" line breaks.
std::string EditorView(std::string body, bool windows1252) {
    if (windows1252) {
        std::string utf8;
        for (const unsigned char c : body) {
            if (c < 0x80) {
                utf8 += static_cast<char>(c);
            } else {  // only Latin-1 letters are typed here
                utf8 += static_cast<char>(0xC0 | (c >> 6));
                utf8 += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        body = utf8;
    }
    return Replaced(body, "\r\n", "\n");
}

std::string Broken(const std::string& rule, const std::string& text) {
    return "[" + rule + "] " + text;
}

std::string LocalKey(const std::string& path) {
    return "local:" + std::filesystem::path(path).lexically_normal().string();
}
std::string RemoteKey(const std::string& path) {
    return "ftp:" + path;
}
bool IsPage(const std::string& key) {
    return key.ends_with(".html") || key.ends_with(".htm");
}

}  // namespace

// How a command may change the open document's text when it keeps the same page.
enum class Changes { Nothing, Section, Design, Anything };

// A command, what it may change, the tab the user goes to first (none: where they are), and
// whether it may ask the questions QueueAnswers answers.
struct SessionMachine::Command {
    const char* name;
    Changes changes;
    std::optional<int> tab;
    bool asks;
    std::function<void(SessionMachine&, uint32_t)> run;
};

namespace {
using M = SessionMachine;
constexpr int kDesign = kImageDesignTab, kEditor = kDocumentEditorTab;
constexpr bool kAsks = true, kQuiet = false;
constexpr std::optional<int> kHere;  // the tab the user is on
}  // namespace

const std::vector<M::Command>& SessionMachine::Commands() {
    static const std::vector<Command> commands = {
        {"Open", Changes::Nothing, kHere, kAsks, &M::Open},
        {"New", Changes::Nothing, kHere, kAsks, &M::New},
        {"Save", Changes::Nothing, kHere, kAsks,
         [](M& m, uint32_t) { m.mSaved = m.mSession.SaveCommand(); }},
        {"SaveAs", Changes::Nothing, kHere, kAsks,
         [](M& m, uint32_t) { m.mSaved = m.mSession.SaveAsCommand(); }},
        {"SwitchTab", Changes::Nothing, kHere, kQuiet,
         [](M& m, uint32_t choice) { m.mWindow.ClickTab(static_cast<int>(choice % 2)); }},
        {"EditSection", Changes::Section, kEditor, kQuiet, &M::EditSection},
        {"AddSection", Changes::Section, kEditor, kQuiet, &M::AddSection},
        {"DrawArea", Changes::Design, kDesign, kQuiet,
         [](M& m, uint32_t choice) { m.DrawOnImage("mnuPalDefineClickableArea", choice); }},
        {"DrawBalloon", Changes::Design, kDesign, kQuiet,
         [](M& m, uint32_t choice) { m.DrawOnImage("mnuImageDrawBalloon", choice); }},
        {"DragImage", Changes::Design, kDesign, kAsks, &M::DragImage},
        {"RemoveArea", Changes::Design, kDesign, kQuiet, &M::RemoveArea},
        {"Keys", Changes::Design, kDesign, kQuiet, &M::Keys},
        {"Undo", Changes::Anything, kHere, kQuiet,
         [](M& m, uint32_t) { m.mSession.UndoCommand(); }},
        {"Redo", Changes::Anything, kHere, kQuiet,
         [](M& m, uint32_t) { m.mSession.RedoCommand(); }},
        {"FollowLink", Changes::Nothing, kDesign, kAsks, &M::FollowLink},
        {"Back", Changes::Nothing, kDesign, kQuiet,
         [](M& m, uint32_t) { m.mWindow.Interaction().GetNavigation().Back(); }},
        {"Forward", Changes::Nothing, kDesign, kAsks,
         [](M& m, uint32_t) { m.mWindow.Interaction().GetNavigation().Forward(); }},
        {"Drop", Changes::Design, kDesign, kAsks, &M::Drop},
        {"InsertPicture", Changes::Design, kDesign, kQuiet, &M::InsertPicture},
        {"FtpOpen", Changes::Nothing, kHere, kAsks, &M::FtpOpen},
        {"FtpSave", Changes::Nothing, kHere, kAsks, &M::FtpSave},
        {"DoubleClick", Changes::Design, kDesign, kAsks, &M::DoubleClick},
        {"ArmThenNavigate", Changes::Design, kDesign, kQuiet, &M::ArmThenNavigate},
    };
    return commands;
}

const std::vector<std::string>& MachineCommandNames() {
    static const std::vector<std::string> names = [] {
        const auto all = M::Commands() | std::views::transform(&M::Command::name);
        return std::vector<std::string>(all.begin(), all.end());
    }();
    return names;
}

std::string CaseText(const MachineCase& machineCase) {
    std::string text = "Start " + std::to_string(machineCase.startPage) + "\n";
    for (const auto& step : machineCase.steps) {
        text += std::string(M::Commands()[step.command].name) + " " + std::to_string(step.choice) +
                "\n";
    }
    return text;
}

std::optional<MachineCase> ParseCase(const std::string& text) {
    MachineCase machineCase;
    std::istringstream lines(text);
    std::string name;
    uint32_t choice = 0;
    while (lines >> name >> choice) {
        const auto& names = MachineCommandNames();
        const auto found = std::find(names.begin(), names.end(), name);
        if (name == "Start") {
            machineCase.startPage = static_cast<int>(choice % kPageCount);
        } else if (found == names.end()) {
            return std::nullopt;
        } else {
            machineCase.steps.push_back({static_cast<size_t>(found - names.begin()), choice});
        }
    }
    return machineCase;
}

std::string MachineWorld::Page(int page) const {
    return Site() + kPages[page % kPageCount];
}

std::string MachineWorld::Dialogs::SaveFileName(const FileDialogRequest& request) {
    std::string answer = FakeDialogs::SaveFileName(request);
    cancelledSaves += answer.empty();
    if (!answer.empty()) {
        savedAs.push_back(LocalKey(answer));
    }
    return answer;
}

std::string MachineWorld::FtpDialogs::ChooseRemoteFile(RemoteFolderLister& lister,
                                                       const RemoteFileRequest& request) {
    std::string answer = FakeFtpDialogs::ChooseRemoteFile(lister, request);
    cancelledSaves += request.forSaving && answer.empty();
    if (request.forSaving && !answer.empty()) {
        savedAs.push_back(RemoteKey(answer));
    }
    return answer;
}

std::filesystem::path MachineWorld::FolderBase() {
    return std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                     : std::filesystem::temp_directory_path();
}

MachineWorld::MachineWorld() {
    std::filesystem::create_directories(Site());
    WriteFileBytes(Site() + "shot.png", kPictureBytes);
    WriteFileBytes(folder.File("new picture.png"), kPictureBytes);
    ftp.PutFile(std::string(kRemoteSite) + "shot.png", kPictureBytes);
    for (int page = 0; page < kPageCount; ++page) {
        WriteFileBytes(Site() + kPages[page], PageBytes(page));
        ftp.PutFile(kRemoteSite + std::string(kPages[page]), PageBytes(page));
    }
}

void MachineWorld::AddPictures(FakePictures& pictures, const std::string& temporaryFolder) const {
    for (const std::string& path :
         {Site() + "shot.png", Site() + "new picture.png", folder.File("new picture.png"),
          temporaryFolder + "/shot.png"}) {
        pictures.Add(path, static_cast<int>(kImageWidth), static_cast<int>(kImageHeight));
    }
    pictures.AddBytes(kPictureBytes, static_cast<int>(kImageWidth), static_cast<int>(kImageHeight));
}

struct SessionMachine::Before {
    std::string key;
    std::string path;
    int source = 0;
    std::string text;  // with the Document Editor's pending typing
    int historyIndex = 0;
    std::string savedText;
    std::optional<int> loads;
    std::set<std::string> pending;  // the section typed into and not yet put back
    int cancelledSaves = 0;
    size_t localSavesAs = 0;  // names given to Save As so far
    size_t remoteSavesAs = 0;
};

SessionMachine::SessionMachine(MachineWorld& world, MachineWindow& window,
                               std::vector<bool> enabled)
    : mWorld(world), mWindow(window), mSession(window.GetSession()), mEnabled(std::move(enabled)) {
    mEnabled.resize(Commands().size(), mEnabled.empty());
    mSession.SetFtpClient(mWorld.ftp);
    mFiles = Files();
    NoteOpened();
    // Without the loads counted, no text is known to be the one opened.
    mEditedSinceOpened = !window.Loads();
}

void SessionMachine::NoteOpened() {
    mOpenedText = mSession.DocumentText();
    mOpenedLoads = mWindow.Loads();
    mEditedSinceOpened = false;
}

std::optional<std::string> SessionMachine::Run(const MachineSequence& sequence) {
    for (size_t k = 0; k < sequence.size(); ++k) {
        if (auto broken = Step(sequence[k])) {
            return "step " + std::to_string(k + 1) + " (" + Commands()[sequence[k].command].name +
                   " " + std::to_string(sequence[k].choice) + "): " + *broken;
        }
    }
    if (auto broken = UndoToOpened()) {
        return "undoing every step: " + *broken;
    }
    return std::nullopt;
}

std::optional<std::string> SessionMachine::Step(const MachineStep& step) {
    const Command& command = Commands()[step.command % Commands().size()];
    if (!mEnabled[step.command % Commands().size()]) {
        return std::nullopt;
    }
    Before before;
    before.path = mSession.PathAndName();
    before.key = DocumentKey();
    before.source = mSession.DocumentSource();
    before.text = mSession.TextWithPendingEdit();
    before.historyIndex = mSession.HistoryIndex();
    before.savedText = mSession.SavedText();
    before.loads = mWindow.Loads();
    if (mSession.SectionEdited()) {
        before.pending.insert(mSession.Sections().Name(mSession.SelectedSection()));
    }
    before.cancelledSaves = mWorld.dialogs.cancelledSaves + mWorld.ftpDialogs.cancelledSaves;
    before.localSavesAs = mWorld.dialogs.savedAs.size();
    before.remoteSavesAs = mWorld.ftpDialogs.savedAs.size();
    const int outages = mWorld.ftp.outages;
    mSaved.reset();
    mAdded.clear();
    mChosenPath.reset();
    mBroken.reset();

    mSession.RecordEdit();
    InjectFailure(step.choice, false);
    Perform(command, step.choice);
    mSession.RecordEdit();

    mWorld.dialogs.inputAnswers.clear();
    mWorld.dialogs.yesNoAnswers.clear();
    mWorld.dialogs.saveChoiceAnswers.clear();
    mWorld.dialogs.fileAnswers.clear();
    mWorld.dialogs.folderAnswers.clear();
    mWorld.ftpDialogs.connectionAnswers.clear();
    mWorld.ftpDialogs.folderAnswers.clear();
    mWorld.ftpDialogs.fileAnswers.clear();
    mWorld.ftp.requestsBeforeOutage.reset();
    mWorld.ftp.serverUp = true;

    ++mCounts.steps;
    ++mCounts.commands[command.name];
    mCounts.ftpFailures += mWorld.ftp.outages - outages;
    const bool windows1252 = mSession.Codec().Encoding() == TextEncoding::Windows1252;
    ++mCounts.documentKinds[std::string(windows1252 ? "Windows-1252" : "UTF-8") +
                            (LineBreakOf(mSession.DocumentText()) == "\n" ? " LF" : " CR LF")];

    // A step that loads a page (a missing one is created and saved at once) is checked against
    // that page, not the one before it.
    if (mWindow.Loads() != mOpenedLoads) {
        NoteOpened();
    } else if (command.changes != Changes::Nothing) {
        mEditedSinceOpened = true;
    }
    return mBroken ? mBroken : CheckStep(command, before);
}

std::optional<std::string> SessionMachine::CheckStep(const Command& command, const Before& before) {
    std::set<std::string> changed = before.pending;
    if (command.changes == Changes::Design) {
        changed.insert(kDesignSections.begin(), kDesignSections.end());
    }
    if (mSession.SectionEdited()) {
        changed.insert(mSession.Sections().Name(mSession.SelectedSection()));
    }
    if (mWindow.ShownTab() != mSession.CurrentTab()) {
        return Broken("tab", "the window shows tab " + std::to_string(mWindow.ShownTab()) +
                                 ", the session is on tab " +
                                 std::to_string(mSession.CurrentTab()));
    }
    if (mWindow.ShownTab() == kDocumentEditorTab && !mSession.SectionEdited()) {
        // Entry 0 of the list is the whole document, then come its sections.
        const std::string& text = mSession.DocumentText();
        const auto sections = SplitSections(text);
        const size_t selected = mSession.SelectedSection();
        if (selected <= sections.size()) {
            const std::string body = selected == 0 ? text : Body(text, sections[selected - 1]);
            const std::string shown =
                EditorView(body, mSession.Codec().Encoding() == TextEncoding::Windows1252);
            if (mWindow.ShownEditorText() != shown) {
                return Broken("editor", "the Document Editor shows \"" + mWindow.ShownEditorText() +
                                            "\" for entry " + std::to_string(selected) +
                                            " holding \"" + shown + "\"");
            }
        }
    }
    if (auto broken = CheckFiles(before, changed)) {
        return broken;
    }
    const bool remote = mSession.DocumentSource() == kFtpDocument;
    const std::string key = DocumentKey();
    const int cancelled = mWorld.dialogs.cancelledSaves + mWorld.ftpDialogs.cancelledSaves;
    // A Save As names the document only when it wrote the file; an open that fails after that
    // leaves the document under its new name.
    const bool namedNow =
        (mSession.PathAndName() != before.path || mSession.DocumentSource() != before.source) &&
        GivenToSaveAs(key, before);
    if (namedNow) {
        const auto file = mFiles.find(key);
        if (file == mFiles.end() || file->second != SavedBytes(mSession.SavedText(), remote)) {
            return Broken("named", "the document is named " + key +
                                       ", a name Save As was given but did not write");
        }
    }
    const bool failedOpen = mChosenPath && *mChosenPath != mSession.PathAndName() && !namedNow;
    if (cancelled != before.cancelledSaves || failedOpen) {
        if (mSession.PathAndName() != before.path || mSession.DocumentSource() != before.source ||
            // A save before the open records its page in the history.
            (mSession.HistoryIndex() != before.historyIndex &&
             mSession.SavedText() == before.savedText) ||
            Trimmed(mSession.TextWithPendingEdit()) != Trimmed(before.text)) {
            return Broken(
                "unchanged",
                std::string(failedOpen ? "a failed open" : "a cancelled Save As") +
                    " changed the document: now " + mSession.PathAndName() + " (mode " +
                    std::to_string(mSession.DocumentSource()) + "), was " + before.path +
                    " (mode " + std::to_string(before.source) + "); history entry " +
                    std::to_string(mSession.HistoryIndex()) + ", was " +
                    std::to_string(before.historyIndex) + "; text " +
                    (Trimmed(mSession.TextWithPendingEdit()) == Trimmed(before.text) ? "kept"
                                                                                     : "changed"));
        }
        if (mSaved.value_or(false)) {
            return Broken("unchanged", "a cancelled Save As reported a save");
        }
    }
    if (mSaved.value_or(false)) {
        const auto file = mFiles.find(key);
        if (mSession.ChangedSinceSaved() || file == mFiles.end() ||
            file->second != SavedBytes(mSession.SavedText(), remote)) {
            return Broken("reported",
                          "a save was reported, but " + key + " does not hold the document");
        }
    }
    if (command.changes != Changes::Anything && mWindow.Loads() == before.loads &&
        mSession.PathAndName() == before.path) {
        if (!changed.contains(kEntireDocument) &&
            Outside(Trimmed(mSession.TextWithPendingEdit()), changed, mAdded) !=
                Outside(Trimmed(before.text), changed, mAdded)) {
            return Broken("outside", "bytes outside the sections the step changed were changed");
        }
    }
    return std::nullopt;
}

std::string SessionMachine::DocumentKey() const {
    return mSession.DocumentSource() == kFtpDocument ? RemoteKey(mSession.PathAndName())
                                                     : LocalKey(mSession.PathAndName());
}

std::map<std::string, std::string> SessionMachine::Files() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(mWorld.Site())) {
        if (entry.is_regular_file()) {
            files[LocalKey(entry.path().string())] = ReadFileBytes(entry.path());
        }
    }
    for (const auto& [path, bytes] : mWorld.ftp.files) {
        files[RemoteKey(path)] = bytes;
    }
    return files;
}

std::optional<std::string> SessionMachine::CheckFiles(const Before& before,
                                                      const std::set<std::string>& changed) {
    auto now = Files();
    const bool remote = mSession.DocumentSource() == kFtpDocument;
    const std::string afterKey = DocumentKey();
    for (const auto& [key, bytes] : now) {
        const auto old = mFiles.find(key);
        if (old != mFiles.end() && old->second == bytes) {
            continue;
        }
        if (!IsPage(key)) {
            if (old != mFiles.end()) {
                return Broken("files", key + " was changed, though it is no page");
            }
            continue;  // a support file or a picture placed beside the page
        }
        // The document as it was may go to its file, or to a name Save As was given now.
        // A design change may come first (pictures dropped before a page), also after typing
        // into the whole document.
        const bool savedBefore =
            (key == before.key || GivenToSaveAs(key, before)) &&
            (bytes == SavedBytes(before.text, key.starts_with("ftp:")) ||
             (!changed.empty() &&
              Outside(Trimmed(bytes), changed, {}) == Outside(Trimmed(before.text), changed, {})));
        const bool savedAfter =
            key == afterKey && bytes == SavedBytes(mSession.SavedText(), remote);
        if (!savedBefore && !savedAfter) {
            return Broken("files", key + " received text that was not saved to it");
        }
        // A local save before a remote one has already taken the blanks and line breaks off
        // the end of the text the remote save writes as it stands.
        if (key == before.key && key == afterKey && !mEditedSinceOpened && changed.empty() &&
            bytes != SavedBytes(mOpenedText, remote) &&
            (!remote || bytes != Trimmed(mOpenedText))) {
            return Broken(
                "unedited",
                key + ", opened and saved without an edit, is not its opened bytes normalised");
        }
    }
    for (const auto& [key, bytes] : mFiles) {
        if (!now.contains(key)) {
            return Broken("files", key + " is gone");
        }
    }
    mFiles = std::move(now);
    return std::nullopt;
}

bool SessionMachine::GivenToSaveAs(const std::string& key, const Before& before) const {
    const auto givenAfter = [&key](const std::vector<std::string>& names, size_t start) {
        return std::find(names.begin() + static_cast<std::ptrdiff_t>(start), names.end(), key) !=
               names.end();
    };
    return givenAfter(mWorld.dialogs.savedAs, before.localSavesAs) ||
           givenAfter(mWorld.ftpDialogs.savedAs, before.remoteSavesAs);
}

std::optional<std::string> SessionMachine::UndoToOpened() {
    if (!mWindow.Loads()) {
        return std::nullopt;
    }
    // In the Document Editor, where an undo may repair a page whose design could not be read.
    EnsureTab(kDocumentEditorTab);
    mSession.RecordEdit();
    for (int undone = 0; mSession.CanUndo() && undone <= static_cast<int>(UndoHistory::kMaxSteps);
         ++undone) {
        mSession.UndoCommand();
    }
    // A page created from the template is saved in the same step: its blanks at the end went.
    if (Trimmed(mSession.DocumentText()) != Trimmed(mOpenedText)) {
        return Broken("undo", "the text is not the one opened:\n" + mSession.DocumentText() +
                                  "\nopened:\n" + mOpenedText);
    }
    return std::nullopt;
}

// The answers of the questions a command may ask: whether to save changes, to go on without
// saving, and the names Save As is given (or its cancel).
void SessionMachine::QueueAnswers(uint32_t choice) {
    auto& dialogs = mWorld.dialogs;
    dialogs.saveChoiceAnswers.push_back(static_cast<SaveChoice>((choice >> 8) % 3));
    dialogs.yesNoAnswers.push_back((choice >> 10) & 1);
    if ((choice >> 11) % 4 != 0) {
        const std::string name = "saved-" + std::to_string((choice >> 13) % 3) + ".html";
        dialogs.fileAnswers.push_back(mWorld.Site() + name);
        mWorld.ftpDialogs.fileAnswers.push_back(kRemoteSite + name);
    }
}

// The server goes down after a few requests: always for the remote commands when chosen so,
// and now and then during any other command on a remote page.
void SessionMachine::InjectFailure(uint32_t choice, bool remoteCommand) {
    const bool remote = remoteCommand || mSession.DocumentSource() == kFtpDocument;
    if (remote && (choice >> 24) % (remoteCommand ? 2 : 4) == 0) {
        mWorld.ftp.requestsBeforeOutage = static_cast<int>((choice >> 26) % 6);
    }
}

void SessionMachine::EnsureTab(int tab) {
    if (mWindow.ShownTab() != tab) {
        mWindow.ClickTab(tab);
    }
}

void SessionMachine::Perform(const Command& command, uint32_t choice) {
    if (command.tab) {
        EnsureTab(*command.tab);
    }
    if (command.asks) {
        QueueAnswers(choice);
    }
    command.run(*this, choice);
}

void SessionMachine::Open(uint32_t choice) {
    const std::string path = mWorld.Site() + (choice % 6 < 4 ? kPages[choice % 6] : "missing.html");
    mWorld.dialogs.fileAnswers.push_front(path);  // before the names Save As is given
    if (mSession.DocumentSource() == kLocalDocument) {
        mChosenPath = path;  // a remote document opens from the server's chooser
    }
    mSession.OpenCommand();
}

void SessionMachine::New(uint32_t choice) {
    if (choice % 4 != 0) {
        mWorld.dialogs.folderAnswers.push_back(mWorld.Site());
    }
    mSession.NewLocalDocument();
}

// Chooses a section and types a line into it, or deletes one of its lines.
void SessionMachine::EditSection(uint32_t choice) {
    const size_t count = mSession.Sections().Count();
    if (count > 0) {
        mWindow.ChooseSection(choice % count);
    }
    std::string text = mWindow.ShownEditorText();
    std::vector<size_t> lineStarts{0};
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        lineStarts.push_back(at + 1);
    }
    const size_t line = lineStarts[(choice >> 8) % lineStarts.size()];
    if ((choice >> 16) % 3 == 0 && line < text.size()) {
        const size_t end = text.find('\n', line);
        text.erase(line, end == std::string::npos ? std::string::npos : end - line + 1);
    } else {
        text.insert(line, "<P>typed \xC3\xA9 " + std::to_string(choice % 100) + "</P>\n");
    }
    mWindow.Type(text);
}

void SessionMachine::AddSection(uint32_t choice) {
    const std::string name = "Added" + std::to_string(choice % 3);
    if (choice % 5 != 0) {
        mWorld.dialogs.inputAnswers.push_back(name);
    }
    mAdded.insert(name);
    mSession.AddSectionCommand();
}

namespace {

// Somewhere on image 1 where it was placed; half the points lie where its first area was drawn.
std::pair<float, float> PointOnImage(uint32_t choice) {
    const bool onArea = (choice >> 30) & 1;
    return {kImageLeft + static_cast<float>(onArea ? 10 + choice % 50 : choice % 200),
            kImageTop + static_cast<float>(onArea ? 10 + (choice >> 8) % 30 : (choice >> 8) % 150)};
}

// The width and height of every area and balloon of the design.
std::vector<std::pair<int, int>> AreaSizes(Session& session) {
    std::vector<std::pair<int, int>> sizes;
    for (const auto& area : session.Design().Areas) {
        sizes.emplace_back(area->Width, area->Height);
    }
    return sizes;
}

}  // namespace

// A press (and release) of the button somewhere on image 1.
void SessionMachine::PressOnImage(int button, uint32_t choice) {
    const auto [x, y] = PointOnImage(choice);
    mWindow.ClearMenus();
    auto& mouse = mWindow.Interaction().Mouse();
    mouse.MouseDown(button, x, y);
    mouse.MouseUp(button, x, y);
}

// Chooses the image menu's item on image 1, where it is offered.
bool SessionMachine::Arm(const char* menuItem, uint32_t choice) {
    PressOnImage(kRightButton, choice);
    if (!mWindow.MenuOffers(menuItem)) {
        return false;
    }
    mWindow.Interaction().RunCommand(menuItem);
    return true;
}

// A press, a move by dx, dy, and the release (with the click that follows it) after `seconds`.
void SessionMachine::LeftDrag(float x, float y, float dx, float dy, double seconds) {
    auto& mouse = mWindow.Interaction().Mouse();
    mouse.MouseDown(kLeftButton, x, y);
    mouse.MouseMove(kLeftButton, x + dx, y + dy);
    mWindow.Wait(seconds);
    mouse.MouseUp(kLeftButton, x + dx, y + dy);
    mouse.Click();
}

void SessionMachine::DrawOnImage(const char* menuItem, uint32_t choice) {
    if (!Arm(menuItem, choice)) {
        return;
    }
    LeftDrag(kImageLeft + static_cast<float>((choice >> 4) % 150),
             kImageTop + static_cast<float>((choice >> 12) % 100),
             5 + static_cast<float>((choice >> 20) % 40),
             5 + static_cast<float>((choice >> 26) % 30), 0.5);
}

// A drag of image 1; a quick one is a click, which may follow an area's link.
void SessionMachine::DragImage(uint32_t choice) {
    const bool click = (choice >> 28) % 4 == 0;
    LeftDrag(kImageLeft + static_cast<float>(choice % 200),
             kImageTop + static_cast<float>((choice >> 8) % 150),
             click ? 0 : static_cast<float>((choice >> 16) % 41) - 20,
             click ? 0 : static_cast<float>((choice >> 21) % 41) - 20, click ? 0.1 : 0.5);
}

// A double click on image 1, now and then with a drawing armed: its second press starts
// nothing, so it follows at most the one link its first click reaches, and none while drawing.
void SessionMachine::DoubleClick(uint32_t choice) {
    const bool drawing = ((choice >> 29) & 1) != 0 && Arm("mnuPalDefineClickableArea", choice >> 1);
    const auto [x, y] = PointOnImage(choice);
    const auto loads = mWindow.Loads();
    LeftDrag(x, y, 0, 0, 0);
    auto& mouse = mWindow.Interaction().Mouse();
    mouse.DoubleClick(kLeftButton, x, y);
    mouse.MouseUp(kLeftButton, x, y);
    mouse.Click();
    if (loads && *mWindow.Loads() - *loads > (drawing ? 0 : 1)) {
        mBroken =
            Broken("double", "a double click loaded " + std::to_string(*mWindow.Loads() - *loads) +
                                 " pages" + (drawing ? " while drawing" : ""));
    }
}

// "Draw an Image Map" armed, then another page comes (Back, Forward, Open, a dropped page): the
// drawing ends with its page, so a drag there draws and resizes nothing, and a move with no
// button held moves nothing.
void SessionMachine::ArmThenNavigate(uint32_t choice) {
    if (!Arm("mnuPalDefineClickableArea", choice)) {
        return;
    }
    const auto loads = mWindow.Loads();
    static const std::string_view kNavigations[] = {"Back", "Forward", "Open", "Drop"};
    const std::string_view navigation = kNavigations[(choice >> 2) % std::size(kNavigations)];
    Perform(*std::ranges::find(Commands(), navigation, &Command::name), choice);
    if (!loads || mWindow.Loads() == loads) {
        return;  // the same page: the drawing is still armed
    }
    NoteOpened();
    EnsureTab(kImageDesignTab);
    const auto sizes = AreaSizes(mSession);
    const auto [x, y] = PointOnImage(choice >> 3);
    LeftDrag(x, y, 20, 15, 0.5);
    const std::string dragged = mSession.DocumentText();
    mWindow.Interaction().Mouse().MouseMove(0, x + 60, y + 40);
    if (AreaSizes(mSession) != sizes) {
        mBroken = Broken("armed", "a drawing armed on the page before drew or resized an area");
    } else if (mSession.DocumentText() != dragged) {
        mBroken = Broken("armed", "a move with no button held changed the page");
    }
}

void SessionMachine::RemoveArea(uint32_t choice) {
    PressOnImage(kRightButton, choice);
    if (mWindow.MenuOffers("mnuAreaRemove")) {
        mWindow.Interaction().RunCommand("mnuAreaRemove");
    }
}

void SessionMachine::Keys(uint32_t choice) {
    static const SurfaceKey kKeys[] = {SurfaceKey::Tab,    SurfaceKey::BackTab, SurfaceKey::Left,
                                       SurfaceKey::Right,  SurfaceKey::Up,      SurfaceKey::Down,
                                       SurfaceKey::Delete, SurfaceKey::Escape};
    KeyModifiers modifiers;
    modifiers.shift = (choice >> 4) & 1;
    modifiers.control = (choice >> 5) & 1;
    mWindow.Interaction().KeyDown(kKeys[choice % std::size(kKeys)], modifiers);
}

void SessionMachine::FollowLink(uint32_t choice) {
    static const char* const kLinks[] = {"new page.html", "", "javascript:history.back()"};
    const size_t pick = choice % (kPageCount + std::size(kLinks));
    mWindow.Interaction().GetNavigation().FollowLink(pick < kPageCount ? kPages[pick]
                                                                       : kLinks[pick - kPageCount]);
}

// Pictures, a page, or both, dropped on the surface.
void SessionMachine::Drop(uint32_t choice) {
    const std::string picture = mWorld.folder.File("new picture.png");
    const std::string page = mWorld.Site() + kPages[(choice >> 4) % kPageCount];
    // A picture dropped on a page without a file asks for Save As; its cancel ends the picture's
    // insertion, and the page is still opened.
    const bool pageFirst = !std::filesystem::is_regular_file(mSession.PathAndName());
    const std::vector<std::vector<std::string>> drops = {
        {picture}, {page}, pageFirst ? std::vector{page, picture} : std::vector{picture, page}};
    DropFiles(mSession, drops[choice % 3]);
}

namespace {

// How many pictures (images and canvases) the page's Images section holds.
size_t PicturesWritten(const std::string& text) {
    for (const auto& section : SplitSections(text)) {
        if (section.name == "Images") {
            const std::string body = ToLowerAscii(Body(text, section));
            size_t pictures = 0;
            for (size_t at = body.find('<'); at != std::string::npos; at = body.find('<', at + 1)) {
                pictures += body.compare(at, 4, "<img") == 0 || body.compare(at, 7, "<canvas") == 0;
            }
            return pictures;
        }
    }
    return 0;
}

}  // namespace

// A picture chosen as the menu command does (which asks first whether the design may change);
// one the design took in is written into the page's Images section.
void SessionMachine::InsertPicture(uint32_t choice) {
    if (choice % 4 != 0) {
        mWorld.dialogs.fileAnswers.push_back(mWorld.folder.File("new picture.png"));
    }
    const int images = mSession.Design().ImageCount();
    const auto written = PicturesWritten(mSession.DocumentText());
    GatedCommand(mSession, [this] { InsertImageFromFile(mSession); })();
    if (mSession.Design().ImageCount() > images &&
        PicturesWritten(mSession.DocumentText()) <= written) {
        mBroken = Broken("picture", "the design took in a picture the Images section did not");
    }
}

void SessionMachine::FtpOpen(uint32_t choice) {
    mWorld.ftpDialogs.connectionAnswers.push_back(
        FakeFtpClient::Login((choice >> 20) % 8 == 0 ? "wrong" : "secret"));
    const std::string path =
        kRemoteSite + std::string(choice % 6 < 4 ? kPages[choice % 6] : "missing.html");
    mWorld.ftpDialogs.fileAnswers.push_front(path);  // before the names Save As is given
    mWorld.ftpDialogs.folderAnswers.push_back(kRemoteSite);
    InjectFailure(choice, true);
    mChosenPath = path;
    mSession.OpenFtpFileCommand();
}

void SessionMachine::FtpSave(uint32_t choice) {
    mWorld.ftpDialogs.connectionAnswers.push_back(FakeFtpClient::Login());
    mWorld.ftpDialogs.folderAnswers.push_back(kRemoteSite);
    InjectFailure(choice, true);
    mSaved = mSession.DocumentSource() == kFtpDocument ? mSession.SaveCommand()
                                                       : mSession.SaveAsFtpFileCommand();
}

}  // namespace htmlsim::testing
