#include "simulation/FilePageReader.h"

#include "components/FileHelper.h"
#include "util/RuntimeError.h"
#include "util/WholeFile.h"

namespace htmlsim {

const PageDesign& FilePageReader::ReadPage(const std::string& path) {
    if (!FileHelper::FileExists(path) && !FileHelper::FolderExists(path)) {
        throw RuntimeError("there is no page '" + path + "'");
    }
    const std::string text = ReadWholeFile(path);
    mPage = std::make_unique<ImportedPage>(text, FileHelper::SplitPath(path).folder, mPictures,
                                           nullptr, mDialogs);
    return mPage->Design();
}

}  // namespace htmlsim
