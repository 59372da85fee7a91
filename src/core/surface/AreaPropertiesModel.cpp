#include "surface/AreaPropertiesModel.h"

#include "components/FileHelper.h"
#include "surface/LinkChoices.h"
#include "util/DefaultExtension.h"
#include "util/WholeNumber.h"

namespace htmlsim {

namespace {

constexpr const char* kLinkFilter =
    "HTML Documents|*.html;*.htm|Text Documents|*.txt|ASP Documents|*.asp|All Documents "
    "(*.*)|*.*";

// Links are written into script strings (the canvas area list, which is split at commas, and
// the walk-through script), where these would end the string or the value early.
bool BreaksScript(const std::string& link, bool onCanvas) {
    return link.find_first_of(onCanvas ? "'\"\\," : "'\"\\") != std::string::npos ||
           link.find(", ") != std::string::npos;
}

// An area with a link is linkable, though areas read from a page are never marked so: the link
// box takes typing whenever Linkable is ticked.
bool LinkBoxEnabled(bool linkShown, bool markedLinkable) {
    return linkShown || markedLinkable;
}

std::array<int16_t*, kAreaBoxCount> BoxFields(ClickableArea& area) {
    return {&area.Left, &area.Top, &area.Width, &area.Height};
}

}  // namespace

AreaPropertiesModel::AreaPropertiesModel(ClickableArea& area, bool onCanvas,
                                         std::string documentFolder, ClickableAreas& savedSets,
                                         Dialogs& dialogs, const DocumentCodec& codec,
                                         std::function<void()> applied)
    : mArea(area),
      mDocumentFolder(std::move(documentFolder)),
      mSavedSets(savedSets),
      mDialogs(dialogs),
      mCodec(codec),
      mApplied(std::move(applied)) {
    LinkList = LinkChoices(mDocumentFolder, "html");
    ShowBoxesOf(area);
    Title = mCodec.Decode(area.Title);
    LinkAddress = mCodec.Decode(area.LinkAddress);
    LinkShown();
    LinkAddressEnabled = LinkBoxEnabled(Linkable, area.isLinkable);
    CanvasFrameVisible = onCanvas;
    RightClick = onCanvas && area.ClickType() != "left";
    for (const ClickableAreaPtr& set : mSavedSets) {
        NameList.push_back(set->Name);
    }
    Name = area.Name;
}

bool AreaPropertiesModel::IsValid(AreaBox box) const {
    return WholeNumber16(Boxes[box]).has_value();
}

void AreaPropertiesModel::LinkableClicked() {
    LinkAddressEnabled = Linkable;
}

bool AreaPropertiesModel::Apply() {
    const bool linkChanged = LinkAddress != mCodec.Decode(mArea.LinkAddress);
    if (linkChanged && BreaksScript(LinkAddress, CanvasFrameVisible)) {
        mDialogs.Message(std::string("The link cannot hold a quote, a backslash or ") +
                             (CanvasFrameVisible ? "a comma" : "\", \"") +
                             ": it is written into the page's script.",
                         "", MessageIcon::Exclamation);
        return false;
    }
    if (const auto refusal = mCodec.ScriptRefusal(LinkAddress, "link address")) {
        mDialogs.Message(*refusal, "", MessageIcon::Exclamation);
        return false;
    }
    WriteBoxesInto(mArea);
    mCodec.Update(mArea.LinkAddress, LinkAddress);
    mArea.Name = Name;
    mArea.isLinkable = Linkable;
    mCodec.Update(mArea.Title, Title);
    // Only a canvas area shows the options; any other keeps the left click.
    mArea.SetClickType(RightClick && CanvasFrameVisible ? "right" : "left");
    mApplied();
    // The area may have been corrected (the smallest outline), so show what it holds now.
    const auto corrected = BoxFields(mArea);
    for (int box = 0; box < kAreaBoxCount; ++box) {
        if (IsValid(static_cast<AreaBox>(box))) {
            Boxes[box] = std::to_string(*corrected[box]);
        }
    }
    return true;
}

void AreaPropertiesModel::Save() {
    ClickableAreaPtr set = mSavedSets.GetItem(Name);
    if (!set) {
        set = mSavedSets.Add(Name, 0, 0, 0, 0, 0, "", 0);
        NameList.push_back(Name);
    }
    WriteBoxesInto(*set);
    set->isLinkable = Linkable;
    set->LinkAddress = LinkAddress;
    set->Name = Name;
}

void AreaPropertiesModel::NameChosen() {
    ClickableAreaPtr set = mSavedSets.GetItem(Name);
    if (!set) {
        mDialogs.Message("Item Does Not Exist");
        return;
    }
    ShowBoxesOf(*set);
    LinkAddress = set->LinkAddress;
    LinkShown();
    LinkAddressEnabled = LinkBoxEnabled(Linkable, set->isLinkable);
}

void AreaPropertiesModel::Browse() {
    FileDialogRequest request;
    request.filter = kLinkFilter;
    request.initialFolder = mDocumentFolder;
    request.confirmOverwrite = false;
    const std::string chosen = mDialogs.SaveFileName(request);
    if (chosen.empty()) {
        return;
    }
    // A page named but not made yet is made when the link is followed; it is a page.
    const std::string page =
        FileHelper::FileExists(chosen) ? chosen : WithDefaultExtension(chosen, "html");
    LinkAddress = FileHelper::RelativePath(mDocumentFolder, page);
    LinkShown();
    LinkAddressEnabled = true;
}

void AreaPropertiesModel::ShowBoxesOf(ClickableArea& area) {
    const auto fields = BoxFields(area);
    for (int box = 0; box < kAreaBoxCount; ++box) {
        Boxes[box] = std::to_string(*fields[box]);
    }
}

// Text that is not a whole 16-bit number leaves its field as it was.
void AreaPropertiesModel::WriteBoxesInto(ClickableArea& area) const {
    const auto fields = BoxFields(area);
    for (int box = 0; box < kAreaBoxCount; ++box) {
        if (auto value = WholeNumber16(Boxes[box])) {
            *fields[box] = *value;
        }
    }
}

// The check box shows whether a link is present, whatever enables the link box.
void AreaPropertiesModel::LinkShown() {
    Linkable = !LinkAddress.empty();
}

}  // namespace htmlsim
