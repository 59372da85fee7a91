#include "publish/PictureNames.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace htmlsim {

namespace {

// Names the player and the manifest must not take for a picture.
bool IsReserved(const std::string& name) {
    for (const char* reserved : {"index.html", "player.js", "player.css", "simulation.json",
                                 "Sim.js", "imsmanifest.xml", "simulation.zip"}) {
        if (name == reserved) {
            return true;
        }
    }
    return false;
}

// A path inside the folder, written with "/" and without "." or ".." parts.
bool StaysInside(const fs::path& relative) {
    if (relative.empty() || relative.is_absolute()) {
        return false;
    }
    return std::none_of(relative.begin(), relative.end(), [](const fs::path& part) {
        return part == ".." || part == "." || part.empty();
    });
}

}  // namespace

PictureNames::PictureNames(std::string folder) : mFolder(std::move(folder)) {}

const std::string& PictureNames::NameOf(const std::string& path) {
    const fs::path normal = fs::path(path).lexically_normal();
    const std::string key = normal.generic_string();
    const auto known = mByPath.find(key);
    if (known != mByPath.end()) {
        return mPictures[known->second].name;
    }
    const fs::path relative = normal.lexically_relative(fs::path(mFolder).lexically_normal());
    std::string wanted = StaysInside(relative) ? relative.generic_string()
                                               : "pictures/" + normal.filename().string();
    mByPath.emplace(key, mPictures.size());
    mPictures.push_back({key, UnusedName(wanted)});
    return mPictures.back().name;
}

std::string PictureNames::UnusedName(const std::string& wanted) const {
    const auto taken = [this](const std::string& name) {
        return IsReserved(name) ||
               std::any_of(mPictures.begin(), mPictures.end(),
                           [&](const PackagedPicture& picture) { return picture.name == name; });
    };
    if (!taken(wanted)) {
        return wanted;
    }
    const fs::path path(wanted);
    const std::string folder = path.has_parent_path() ? path.parent_path().string() + "/" : "";
    for (int n = 2;; ++n) {
        const std::string name = folder + std::to_string(n) + "-" + path.filename().string();
        if (!taken(name)) {
            return name;
        }
    }
}

}  // namespace htmlsim
