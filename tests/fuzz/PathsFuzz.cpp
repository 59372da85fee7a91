// The remote path operations on any pair of paths, never a crash.
#include <cstdint>

#include "FuzzDialogs.h"
#include "remote/PathNames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace htmlsim;
    FuzzDialogs dialogs;
    const auto [base, target] = SplitAtNul(data, size);
    SplitFTPPath(base);
    FolderOf(base);
    GetExtension(target);
    priInterpretFTPRelativePathName(base, target, dialogs);
    FTPCreateRelativePathName(base, target);
    return 0;
}
