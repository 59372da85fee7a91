#pragma once

#include <map>
#include <string>
#include <vector>

namespace htmlsim {

// A picture file and the name it has in the published package.
struct PackagedPicture {
    std::string path;
    std::string name;
};

// Gives every picture of a simulation its name in the package: its path relative to the
// simulation's folder when it lies inside it, else "pictures/" + its file name (numbered when
// taken), so nothing in the package points outside it. A picture used twice is copied once.
class PictureNames {
  public:
    explicit PictureNames(std::string folder);

    // The name in the package of the picture file at `path`.
    const std::string& NameOf(const std::string& path);

    // In the order they were first named.
    const std::vector<PackagedPicture>& Pictures() const { return mPictures; }

  private:
    std::string UnusedName(const std::string& wanted) const;

    std::string mFolder;
    std::map<std::string, size_t> mByPath;
    std::vector<PackagedPicture> mPictures;
};

}  // namespace htmlsim
