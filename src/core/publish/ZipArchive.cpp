#include "publish/ZipArchive.h"

#include <zip.h>

#include <algorithm>
#include <memory>

#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

// The earliest date a zip entry can carry (MS-DOS date and time fields).
constexpr zip_uint16_t kDosTime = 0;
constexpr zip_uint16_t kDosDate = (0 << 9) | (1 << 5) | 1;
// A regular file, rw-r--r--, in the upper half of the external attributes.
constexpr zip_uint32_t kFileAttributes = 0100644u << 16;

struct Discard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw RuntimeError("Cannot write '" + path + "': " + reason);
}

void AddFile(zip_t* archive, const std::string& path, const PackageFile& file) {
    zip_source_t* source = zip_source_buffer(archive, file.bytes.data(), file.bytes.size(), 0);
    if (source == nullptr) {
        Fail(path, zip_strerror(archive));
    }
    const zip_int64_t index =
        zip_file_add(archive, file.name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        Fail(path, zip_strerror(archive));
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    if (zip_file_set_dostime(archive, entry, kDosTime, kDosDate, 0) != 0 ||
        zip_file_set_external_attributes(archive, entry, 0, ZIP_OPSYS_UNIX, kFileAttributes) != 0 ||
        zip_set_file_compression(archive, entry, ZIP_CM_DEFLATE, 9) != 0) {
        Fail(path, zip_strerror(archive));
    }
}

}  // namespace

void WriteZipArchive(const std::string& path, std::vector<PackageFile> files) {
    std::sort(files.begin(), files.end(),
              [](const PackageFile& a, const PackageFile& b) { return a.name < b.name; });
    int error = 0;
    std::unique_ptr<zip_t, Discard> archive(
        zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error));
    if (!archive) {
        zip_error_t reason;
        zip_error_init_with_code(&reason, error);
        const std::string text = zip_error_strerror(&reason);
        zip_error_fini(&reason);
        Fail(path, text);
    }
    for (const PackageFile& file : files) {
        AddFile(archive.get(), path, file);
    }
    // The files' bytes are read here, while `files` still holds them; the archive is written
    // beside the target and renamed over it.
    if (zip_close(archive.get()) != 0) {
        Fail(path, zip_strerror(archive.get()));
    }
    archive.release();
}

}  // namespace htmlsim
