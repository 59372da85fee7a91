#pragma once

#include <string>
#include <vector>

namespace htmlsim {

enum class ScormVersion { None, Scorm12, Scorm2004 };

// "1.2" -> Scorm12, "2004" -> Scorm2004, "" -> None; anything else is a RuntimeError.
ScormVersion ScormVersionFromText(const std::string& text);
// The inverse: "", "1.2" or "2004".
std::string ScormVersionText(ScormVersion version);

// "imsmanifest.xml" of a package with one SCO, the player ("index.html"), listing `files`
// (the package's names, the manifest itself not among them) and its mastery score: the pass
// mark as "adlcp:masteryscore" in SCORM 1.2, as the primary objective's scaled passing score in
// SCORM 2004 4th Edition.
std::string ScormManifest(ScormVersion version, const std::string& identifier,
                          const std::string& title, int passPercent,
                          const std::vector<std::string>& files);

}  // namespace htmlsim
