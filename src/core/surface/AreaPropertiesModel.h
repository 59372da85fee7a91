#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/ClickableAreas.h"
#include "services/Dialogs.h"
#include "text/DocumentCodec.h"

namespace htmlsim {

// The dialog's position and size boxes, in the order of this enumeration.
enum AreaBox { kAreaLeft, kAreaTop, kAreaWidth, kAreaHeight, kAreaBoxCount };

// What the "Clickable Area Properties" dialog shows and does for one clickable area. The
// dialog's controls read and write the public fields; the commands act on them. The area
// changes only on Apply (and OK). The fields hold text as shown (UTF-8), decoded from and
// encoded into the document by its codec. Value sets saved by name live in a collection the
// owner keeps for the program's life, shared by every area of every document.
class AreaPropertiesModel {
  public:
    // `applied` is called after Apply has written into the area (to show and store it).
    AreaPropertiesModel(ClickableArea& area, bool onCanvas, std::string documentFolder,
                        ClickableAreas& savedSets, Dialogs& dialogs, const DocumentCodec& codec,
                        std::function<void()> applied);

    std::string Name;
    std::vector<std::string> NameList;  // the saved sets' names
    std::array<std::string, kAreaBoxCount> Boxes;
    std::string Title;
    bool Linkable = false;
    bool LinkAddressEnabled = false;
    std::string LinkAddress;
    std::vector<std::string> LinkList;
    bool CanvasFrameVisible = false;
    bool RightClick = false;  // else the left-click option

    // A box holds a whole number in the 16-bit range; any other text is not written.
    bool IsValid(AreaBox box) const;

    // The check box was clicked: the link box follows it.
    void LinkableClicked();
    // False (after a message, the area unchanged) when the link holds a character the
    // document's encoding cannot hold: links go into the page's scripts as they stand.
    bool Apply();
    // Stores the fields as the value set named by Name, replacing a set of that name.
    void Save();
    // A name was chosen from the list: its saved values fill the fields.
    void NameChosen();
    // Lets the user pick a file, or name a page not made yet, and links to it relative to the
    // document.
    void Browse();

  private:
    void ShowBoxesOf(ClickableArea& area);
    void WriteBoxesInto(ClickableArea& area) const;
    void LinkShown();

    ClickableArea& mArea;
    std::string mDocumentFolder;
    ClickableAreas& mSavedSets;
    Dialogs& mDialogs;
    const DocumentCodec& mCodec;
    std::function<void()> mApplied;
};

}  // namespace htmlsim
