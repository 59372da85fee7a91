#pragma once

#include "FakeDesignForms.h"
#include "FakeDesignMouseView.h"
#include "FakePictures.h"
#include "FakeSessionView.h"
#include "FakeSurface.h"
#include "SessionMachine.h"

namespace htmlsim::testing {

// The session with recording fakes for the window: the tab and the editor's text are what the
// session last showed, or what the user clicked and typed.
class HeadlessMachineWindow : public MachineWindow {
  public:
    HeadlessMachineWindow(MachineWorld& world, int startPage)
        : mSession(world.dialogs, world.ProgramFolder()),
          mInteraction(mSession, mMouseView, mForms, [this] { return mNow; }) {
        world.AddPictures(mPictures, mSession.TemporaryFolder());
        mSession.SetView(&mView);
        mSession.AttachDesignServices(mSurface, mPictures);
        mSession.Start(world.Page(startPage));
    }

    Session& GetSession() override { return mSession; }
    DesignInteraction& Interaction() override { return mInteraction; }
    int ShownTab() const override { return mView.shownTab; }
    std::string ShownEditorText() const override { return mView.editorText; }
    // A click on the tab shown changes nothing.
    void ClickTab(int tab) override {
        if (mView.shownTab != tab) {
            mView.shownTab = tab;
            mSession.SwitchTab(tab);
        }
    }
    void ChooseSection(size_t index) override { mSession.SelectSection(index); }
    void Type(const std::string& text) override {
        mView.editorText = text;
        mSession.EditorTextChanged();
    }
    void ClearMenus() override { mMouseView.menus.clear(); }
    bool MenuOffers(const std::string& item) const override {
        const MenuItem* found =
            mMouseView.menus.empty() ? nullptr : mMouseView.menus.back().Find(item);
        return found && found->visible && found->enabled;
    }
    std::optional<int> Loads() const override { return mView.designClears; }
    void Wait(double seconds) override { mNow += seconds; }

  private:
    FakeSessionView mView;
    Session mSession;
    FakeSurface mSurface;
    FakePictures mPictures;
    FakeDesignMouseView mMouseView;
    FakeDesignForms mForms;
    double mNow = 1000.0;
    DesignInteraction mInteraction;
};

struct MachineOutcome {
    std::optional<std::string> broken;
    SessionMachine::Counts counts;
};

// Runs the case in a world of its own with the headless window.
inline MachineOutcome RunHeadless(const MachineCase& machineCase) {
    MachineWorld world;
    HeadlessMachineWindow window(world, machineCase.startPage);
    SessionMachine machine(world, window);
    auto broken = machine.Run(machineCase.steps);
    return {std::move(broken), machine.Tally()};
}

}  // namespace htmlsim::testing
