#include "import/RemotePicture.h"

#include "components/FileHelper.h"
#include "remote/PathNames.h"
#include "util/WholeFile.h"

namespace htmlsim {

PicturePtr LoadRemotePicture(ImportContext& context, ImageProperties& image) {
    FtpClient& ftp = *context.ftp;
    image.SetPathAndName(
        image.SRC.starts_with('.')
            ? priInterpretFTPRelativePathName(context.documentFolder, image.SRC, context.dialogs)
            : image.SRC);
    const std::string cacheFile =
        context.temporaryFolder + "/" + image.FileNameOnly() + "." + image.Extension();
    if (FileHelper::FileExists(cacheFile)) {
        return context.pictures.LoadFile(cacheFile);
    }
    if (!ftp.RemoteFileExists(image.PathAndName())) {
        if (!ftp.StatusFlag()) {
            context.dialogs.Message("File Does Not Exist: '" + image.PathAndName() + "'", "",
                                    MessageIcon::None);
        }
        return nullptr;
    }
    const auto bytes = ftp.DownloadBytes(image.PathAndName());
    if (!bytes) {
        return nullptr;
    }
    PicturePtr picture = context.pictures.LoadBytes(*bytes);
    if (picture) {
        // The bytes as the server has them: the cache loads like the original, nothing lost.
        WriteWholeFileAtomically(cacheFile, *bytes);
    }
    return picture;
}

}  // namespace htmlsim
