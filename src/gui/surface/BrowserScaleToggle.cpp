#include "surface/BrowserScaleToggle.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <memory>

#include "DesignSurface.h"
#include "session/Session.h"

namespace htmlsim::gui {

namespace {

constexpr const char* kSettingsKey = "view/browserScale";

// The support script the page loads, read once per folder, not at every mouse move.
class SupportScript {
  public:
    const std::string& For(const std::string& folder) {
        if (!mRead || folder != mFolder) {
            mText = SupportScriptIn(folder);
            mFolder = folder;
            mRead = true;
        }
        return mText;
    }

  private:
    bool mRead = false;
    std::string mFolder;
    std::string mText;
};

QMenu& ViewMenu(QMenuBar& menuBar) {
    if (auto* menu = menuBar.findChild<QMenu*>("mnuView")) {
        return *menu;
    }
    QMenu* menu = menuBar.addMenu("&View");
    menu->setObjectName("mnuView");
    return *menu;
}

void ShowBrowserScale(bool on, Session& session, PalletWidget& pallet,
                      const std::shared_ptr<SupportScript>& script) {
    if (!on) {
        pallet.SetScaleView({});
        return;
    }
    pallet.SetScaleView([&session, script]() -> std::optional<BrowserScaleView> {
        const double scale =
            PageCanvasScale(script->For(session.PathOnly()), session.DocumentText());
        return BrowserScaleView(session.Design(), scale);
    });
}

}  // namespace

QAction* AddBrowserScaleToggle(QMenuBar& menuBar, Session& session, PalletWidget& pallet) {
    QAction* toggle = ViewMenu(menuBar).addAction("Browser Scale");
    toggle->setObjectName("mnuViewBrowserScale");
    toggle->setCheckable(true);
    auto script = std::make_shared<SupportScript>();
    QObject::connect(toggle, &QAction::toggled, &pallet, [&session, &pallet, script](bool on) {
        QSettings().setValue(kSettingsKey, on);
        ShowBrowserScale(on, session, pallet, script);
    });
    const bool remembered = QSettings().value(kSettingsKey, false).toBool();
    toggle->setChecked(remembered);
    ShowBrowserScale(remembered, session, pallet, script);
    return toggle;
}

}  // namespace htmlsim::gui
