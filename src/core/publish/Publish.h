#pragma once

#include <string>

#include "publish/PublishedSimulation.h"
#include "publish/ScormManifest.h"
#include "services/Dialogs.h"
#include "services/Pictures.h"

namespace htmlsim {

// What to publish and where: the simulation's starting page (a local file), the folder the
// player goes into, whether a zip archive "simulation.zip" of it goes there too (always with a
// SCORM version), and the player's settings.
struct PublishRequest {
    std::string startPath;
    std::string outFolder;
    bool zip = false;
    ScormVersion scorm = ScormVersion::None;
    PublishSettings settings;
};

inline constexpr const char* kPublishFromFtpRefused =
    "Pages on an FTP server cannot be published: publish from a local copy.";

// The name of the archive written beside the player's files.
inline constexpr const char* kPublishedZipName = "simulation.zip";

// "Publish": checks the links from the starting page and refuses, listing them, links to
// missing pages and pages without a picture; walks the simulation in memory, as Create Sim.js
// does but reading the files alone; then writes the player, its data, Sim.js and a copy of
// every picture into the out folder, and nothing anywhere else. False when it refused or
// failed; the user has been told why. Pictures are needed for their sizes.
bool PublishSimulation(const PublishRequest& request, Pictures& pictures, Dialogs& dialogs);

}  // namespace htmlsim
