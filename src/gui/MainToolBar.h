#pragma once

#include <QToolBar>

namespace htmlsim {
class DesignInteraction;
}

namespace htmlsim::gui {

class frmHTMLImage;

// The main window's toolbar: the commands a new user looks for first. Menu commands are the
// menus' own items; the design commands run as their pop-up items do, on the current picture.
// A command that cannot run now is disabled, its tooltip saying why.
class MainToolBar : public QToolBar {
    Q_OBJECT
  public:
    MainToolBar(frmHTMLImage& window, DesignInteraction& interaction);

    // Enables each command that can run now.
    void Refresh();

  private:
    QAction* AddMenuCommand(const char* menuItem, const char* iconName, const QString& caption);
    QAction* AddDesignCommand(const char* name, const char* command, const char* iconName,
                              const QString& caption);
    static void Allow(QAction* action, const QString& caption, const std::string& whyNot);

    frmHTMLImage& mWindow;
    DesignInteraction& mInteraction;
    QAction* mDrawArea = nullptr;
    QAction* mDrawBalloon = nullptr;
};

}  // namespace htmlsim::gui
