# Writes OUTPUT, a C++ source defining htmlsim::EmbeddedPlayerFiles() with the bytes of FILES
# (paths separated by "|"), each under its file name. Run by "cmake -P" at build time.
string(REPLACE "|" ";" FILES "${FILES}")
set(body "")
set(entries "")
set(n 0)
foreach(file IN LISTS FILES)
    get_filename_component(name ${file} NAME)
    file(READ ${file} hex HEX)
    string(LENGTH "${hex}" length)
    math(EXPR size "${length} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
    string(APPEND body "const char kFile${n}[] = {${bytes}};\n")
    string(APPEND entries "        {\"${name}\", std::string_view(kFile${n}, ${size})},\n")
    math(EXPR n "${n} + 1")
endforeach()
file(WRITE ${OUTPUT}.tmp
"// Generated from the player's files by cmake/EmbedFiles.cmake; edit those, not this.
#include \"publish/PlayerFiles.h\"

namespace htmlsim {
namespace {
${body}}  // namespace

const std::vector<PlayerFile>& EmbeddedPlayerFiles() {
    static const std::vector<PlayerFile> files = {
${entries}    };
    return files;
}

}  // namespace htmlsim
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
