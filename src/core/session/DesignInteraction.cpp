#include "session/DesignInteraction.h"

#include "model/CanvasRule.h"
#include "session/DesignGate.h"
#include "session/ImagesSectionUpdate.h"
#include "surface/AreaPropertiesModel.h"
#include "surface/BalloonPropertiesModel.h"
#include "surface/DesignOperations.h"
#include "surface/ImagePropertiesModel.h"
#include "util/Numbers.h"

namespace htmlsim {

DesignInteraction::DesignInteraction(Session& session, DesignMouseView& view, DesignForms& forms,
                                     SecondsClock clock)
    : mSession(session),
      mView(view),
      mForms(forms),
      mNavigation(session),
      mMouse(session, mNavigation, *this, std::move(clock)),
      mSelection(session, [this] { RemoveArea(); }) {
    SetCommand("mnuBack", [this] { mNavigation.Back(); });
    SetCommand("mnuForward", [this] { mNavigation.Forward(); });
    SetCommand("mnuAreaRightClick", [this] { mMouse.PerformRightClick(); });
    SetCommand("mnuAreaProperties", [this] { ShowAreaProperties(); });
    SetCommand("mnuAreaRemove", [this] { RemoveArea(); });
    SetCommand("mnuImageProperties", [this] { ShowImageProperties(); });
    SetCommand("mnuPalDefineClickableArea", [this] { mMouse.DrawImageMap(); });
    SetCommand("mnuImageDrawCircle", [this] { mMouse.DrawCircle(); });
    SetCommand("mnuImageDrawPolygon", [this] { mMouse.DrawPolygon(); });
    SetCommand("mnuImageDrawBalloon", [this] { mMouse.DrawBalloon(); });
    SetCommand("mnuImageDrawSeveralAreas", [this] { mMouse.DrawSeveralAreas(); });
}

void DesignInteraction::SetCommand(const std::string& itemName, Command command,
                                   std::function<bool()> available) {
    mCommands[itemName] = {std::move(command), std::move(available)};
}

bool DesignInteraction::HasCommand(const std::string& itemName) const {
    const auto found = mCommands.find(itemName);
    return found != mCommands.end() && (!found->second.available || found->second.available());
}

bool DesignInteraction::RunCommand(const std::string& itemName) {
    if (!HasCommand(itemName)) {
        return false;
    }
    mCommands.at(itemName).run();
    return true;
}

void DesignInteraction::ShowPopupMenu(const PopupMenu& menu, float x, float y) {
    PopupMenu shown = menu;
    for (MenuItem& item : shown.items) {
        item.enabled = item.enabled && (item.IsSeparator() || HasCommand(item.name));
    }
    mPopupPoint = ShapePoint{RoundToInt16(x), RoundToInt16(y)};
    try {
        mView.ShowPopupMenu(shown, x, y);
    } catch (...) {
        mPopupPoint.reset();
        throw;
    }
    mPopupPoint.reset();
}

void DesignInteraction::RemoveArea() {
    if (!DesignMayChange(mSession)) {
        return;
    }
    PageDesign& design = mSession.Design();
    try {
        const int n = design.CurrentClickableArea->Index;
        design.Shapes.Unload(mSession.DesignSurface(), n);
        design.Areas.Remove(AreaKey(n));
    } catch (const std::exception& failure) {
        ReportFailure(failure);
        return;
    }
    UpdateImagesSection(mSession);
}

void DesignInteraction::KeyDown(SurfaceKey key, KeyModifiers modifiers) {
    try {
        // While a polygon is drawn the keys finish it; the selection waits.
        if (mMouse.DrawingPolygon()) {
            if (key == SurfaceKey::Enter) {
                mMouse.ClosePolygon();
            } else if (key == SurfaceKey::Escape) {
                mMouse.CancelPolygon();
            }
            return;
        }
        if (key == SurfaceKey::Escape && mMouse.DrawingSeveral()) {
            mMouse.StopDrawing();
            return;
        }
        PressSurfaceKey(mSelection, key, modifiers);
    } catch (const std::exception& failure) {
        ReportFailure(failure);
    }
}

void DesignInteraction::ShowAreaProperties() {
    if (!DesignMayChange(mSession)) {
        return;
    }
    PageDesign& design = mSession.Design();
    ClickableArea& area = *design.CurrentClickableArea;
    const std::string before = mSession.DocumentText();
    bool kept = true;
    if (area.AreaType != kAreaClickable) {
        BalloonPropertiesModel model(area, mSession.Codec());
        kept = mForms.ShowBalloonProperties(model);
        PlaceAreaOutline(design, mSession.DesignSurface(), area);
    } else {
        const bool onCanvas = area.ImageID >= 1 && area.ImageID <= design.ImageCount() &&
                              design.Image(area.ImageID).ImageType == kImageCanvas;
        AreaPropertiesModel model(area, onCanvas, mSession.PathOnly(), mSavedAreaValueSets,
                                  mSession.GetDialogs(), mSession.Codec(), [this] { ApplyArea(); });
        kept = mForms.ShowAreaProperties(model);
    }
    KeepOrRestore(kept, before);
}

// After a dialog: what it changed is written, or, when it was cancelled, the page is read again
// from the text it had when the dialog opened, so nothing the dialog did stays (Apply included).
void DesignInteraction::KeepOrRestore(bool kept, const std::string& before) {
    if (kept) {
        UpdateImagesSection(mSession);
        return;
    }
    mSession.SetDocumentText(before);
    mSession.SwitchTab(kImageDesignTab);
}

// The outline follows at once; the smallest outline is applied before the document is written,
// so the document shows what the surface shows.
void DesignInteraction::ApplyArea() {
    try {
        RefreshShape(mSession.Design(), mSession.DesignSurface());
    } catch (const std::exception& failure) {
        ReportFailure(failure);
    }
    UpdateImagesSection(mSession);
}

void DesignInteraction::ShowImageProperties() {
    if (!mSession.Design().CurrentImage || !DesignMayChange(mSession)) {
        return;
    }
    ImageProperties& image = *mSession.Design().CurrentImage;
    const int32_t typeBefore = image.ImageType;
    const std::optional<std::string> noCanvas =
        WhyNoCanvas(mSession.DocumentText(), mSession.Design(), image.Index);
    ImagePropertiesModel model(image, mSession.PathOnly(), mSession.Extension(), mSession.Codec());
    const std::string before = mSession.DocumentText();
    if (!mForms.ShowImageProperties(model)) {
        KeepOrRestore(false, before);
        return;
    }
    if (noCanvas && image.ImageType == kImageCanvas && typeBefore != kImageCanvas) {
        image.ImageType = typeBefore;
        mSession.GetDialogs().Message(*noCanvas + ": the image stays as it is.", "",
                                      MessageIcon::Information);
    }
    KeepOrRestore(true, before);
}

void DesignInteraction::ReportFailure(const std::exception& failure) {
    mSession.GetDialogs().Message(failure.what(), "", MessageIcon::Critical);
}

}  // namespace htmlsim
