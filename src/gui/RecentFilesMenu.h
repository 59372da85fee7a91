#pragma once

#include <QObject>
#include <string>

class QMenu;

namespace htmlsim {
class Session;
}

namespace htmlsim::gui {

// File > Recent Files: the last ten local documents opened or saved, newest first, kept between
// runs in the user's settings (never an FTP address, so never a password).
class RecentFilesMenu : public QObject {
    Q_OBJECT
  public:
    RecentFilesMenu(QMenu& fileMenu, Session& session);

    void Remember(const std::string& path);

  private:
    void Rebuild();

    QMenu* mMenu;
    Session& mSession;
};

}  // namespace htmlsim::gui
