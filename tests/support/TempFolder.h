#pragma once

#include <filesystem>
#include <string>

namespace htmlsim::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    // Under the system's temporary folder, or under base.
    TempFolder();
    explicit TempFolder(const std::filesystem::path& base);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return mPath; }
    // The path of a file inside the folder, as a string.
    std::string File(const std::string& name) const { return (mPath / name).string(); }

  private:
    std::filesystem::path mPath;
};

// Whole-file helpers, bytes unchanged.
std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

// The bytes of a file in tests/data, such as "section-bodies/images.html".
std::string TestDataFile(const std::string& path);
// The bytes of a file of the golden cases in tests/corpus, such as
// "regenerate/area-shapes/input.html".
std::string CorpusFile(const std::string& path);

}  // namespace htmlsim::testing
