#include <gtest/gtest.h>

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <random>

#include "../Pictures.h"
#include "SessionMachine.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui::testing {
namespace {

using namespace htmlsim::testing;

// The machine's commands on the real window: the tab widget, the section list and the text box
// are what the user clicks and types into.
class WindowMachine : public MachineWindow {
  public:
    WindowMachine(MachineWorld& world, int startPage)
        : mWindow(world.dialogs, world.ProgramFolder(), nullptr, [this] { return mNow; }) {
        mWindow.Start(world.Page(startPage));
        mWindow.resize(900, 700);
        mWindow.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&mWindow));
    }

    Session& GetSession() override { return mWindow.GetSession(); }
    DesignInteraction& Interaction() override { return mWindow.Interaction(); }
    int ShownTab() const override { return mWindow.SSTab1()->currentIndex(); }
    // The text box's own text, no-break spaces included (toPlainText turns them into blanks).
    std::string ShownEditorText() const override { return mWindow.EditorText(); }
    void ClickTab(int tab) override { mWindow.SSTab1()->setCurrentIndex(tab); }
    void ChooseSection(size_t index) override {
        mWindow.cboSections()->setCurrentIndex(static_cast<int>(index));
        emit mWindow.cboSections()->activated(static_cast<int>(index));
    }
    void Type(const std::string& text) override {
        mWindow.txtDocument()->setPlainText(QString::fromStdString(text));
    }
    void ClearMenus() override {}
    bool MenuOffers(const std::string&) const override { return false; }
    void Wait(double seconds) override { mNow += seconds; }

  private:
    double mNow = 1000.0;
    frmHTMLImage mWindow;
};

// The commands that reach the tabs and the editor's text; the surface's mouse and keys are the
// headless run's, where pop-up menus need no answering.
std::vector<bool> WindowCommands() {
    const std::vector<std::string> names = {
        "Open", "New",  "Save",       "SaveAs", "SwitchTab", "EditSection", "AddSection",
        "Undo", "Redo", "FollowLink", "Back",   "Forward",   "FtpOpen",     "FtpSave"};
    std::vector<bool> enabled;
    for (const auto& name : MachineCommandNames()) {
        enabled.push_back(std::find(names.begin(), names.end(), name) != names.end());
    }
    return enabled;
}

// A smaller run than the headless one, through the window: its tab and its editor's text are
// the session's after every step.
TEST(SessionStatefulWindow, TheWindowShowsTheSessionsTabAndTextAfterEveryStep) {
    constexpr int kSteps = 400;
    std::mt19937 random(21);
    const auto enabled = WindowCommands();
    std::vector<size_t> commands;
    for (size_t k = 0; k < enabled.size(); ++k) {
        if (enabled[k]) {
            commands.push_back(k);
        }
    }
    for (int steps = 0; steps < kSteps;) {
        MachineWorld world;
        ASSERT_TRUE(htmlsim::testing::WritePicture(world.Site() + "shot.png", 200, 150));
        MachineCase machineCase;
        machineCase.startPage = static_cast<int>(random() % 4);
        for (size_t k = 0; k < 40; ++k, ++steps) {
            machineCase.steps.push_back(
                {commands[random() % commands.size()], static_cast<uint32_t>(random())});
        }
        WindowMachine window(world, machineCase.startPage);
        SessionMachine machine(world, window, enabled);
        const auto broken = machine.Run(machineCase.steps);
        ASSERT_FALSE(broken) << *broken << "\n" << CaseText(machineCase);
    }
}

}  // namespace
}  // namespace htmlsim::gui::testing
