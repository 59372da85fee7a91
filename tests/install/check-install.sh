#!/usr/bin/env bash
# Installs the built programs into a temporary root, as the package does, and checks what a
# desktop user gets: every file in its place, a working htmlsim-cli that keeps its folders per
# user, a valid menu entry, manual pages that format cleanly and name every command, and a Debian
# package with the right name, fields, dependencies and contents. The lines a list must hold are
# in the text files beside this script.
# Usage: check-install.sh BUILD_DIR VERSION
set -euo pipefail

build=$(realpath "$1")
version=$2
expected=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "check-install: $*" >&2
    exit 1
}

# Fails unless every line of the file is a line of the list read from standard input.
expect_lines() {
    local what=$1 list line
    list=$(cat)
    while read -r line; do
        grep -qxF -- "$line" <<<"$list" || fail "$what lacks '$line'"
    done <"$2"
}

png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'
}

mapfile -t installed_files <"$expected/installed-files.txt"

check_installed_files() {
    local file size
    for file in "${installed_files[@]}"; do
        [ -f "$prefix/$file" ] || fail "not installed: $file"
        # An icon's folder names its size.
        if [[ $file =~ /([0-9]+x[0-9]+)/apps/.*\.png$ ]]; then
            size=$(png_size "$prefix/$file")
            [ "$size" = "${BASH_REMATCH[1]}" ] || fail "icon $file is $size"
        fi
    done
    [ -x "$prefix/bin/htmlsim" ] && [ -x "$prefix/bin/htmlsim-cli" ] ||
        fail "programs not executable"
}

check_version() {
    local shown
    shown=$("$prefix/bin/htmlsim-cli" --version) || fail "htmlsim-cli --version failed"
    [ "$shown" = "htmlsim-cli $version" ] || fail "htmlsim-cli --version shows '$shown'"
}

# The commands that need no Qt start without loading it; --help, which lists the others, is
# answered by the program under libexec.
check_lean_cli() {
    ! ldd "$prefix/bin/htmlsim-cli" | grep -q 'libQt' || fail "htmlsim-cli links Qt"
}

check_desktop_entry() {
    local entry=$prefix/share/applications/htmlsim.desktop
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
    expect_lines "the desktop entry" "$expected/desktop-entry.txt" <"$entry"
}

check_manual_pages() {
    local page text warnings command
    for page in htmlsim htmlsim-cli; do
        text=$(zcat "$prefix/share/man/man1/$page.1.gz")
        warnings=$(groff -man -Tutf8 -ww -z <<<"$text" 2>&1)
        [ -z "$warnings" ] || fail "groff warns about $page(1): $warnings"
        mandoc -T lint -W warning <<<"$text" || fail "mandoc warns about $page(1)"
        grep -qF "\"htmlsim $version\"" <<<"$text" ||
            fail "$page(1) does not carry version $version"
    done
    # Every command the program offers has its entry in the manual.
    text=$(zcat "$prefix/share/man/man1/htmlsim-cli.1.gz")
    for command in $("$prefix/bin/htmlsim-cli" --help | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p'); do
        grep -qE "^\.BI? \"?$command[ \"]" <<<"$text" ||
            fail "htmlsim-cli(1) lacks the command $command"
    done
}

# An installed program cannot write its own folder: its temporary folder goes to the user's cache
# and its code library to the user's data. Run as an ordinary user, since root may write anywhere.
check_per_user_folders() {
    local home=$work/home
    mkdir -p "$home"
    chmod a-w "$prefix/bin"
    local installed_cli=()
    if [ "$(id -u)" -eq 0 ]; then
        chmod 755 "$work"
        chown nobody "$home"
        installed_cli=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    installed_cli+=(env -i PATH=/usr/bin:/bin HOME="$home" XDG_CACHE_HOME="$home/cache"
        XDG_DATA_HOME="$home/data" "$prefix/bin/htmlsim-cli")
    "${installed_cli[@]}" new "$home/page.html" || fail "the installed htmlsim-cli cannot make a document"
    "${installed_cli[@]}" snippets >/dev/null || fail "the installed htmlsim-cli cannot list snippets"
    (cd "$home" && find . -mindepth 1 | cut -c3-) |
        expect_lines "the user's home" "$expected/home-files.txt"
    [ "$(ls "$prefix/bin")" = "$(printf 'htmlsim\nhtmlsim-cli')" ] ||
        fail "the program wrote files beside itself"
    chmod u+w "$prefix/bin"
}

check_package() {
    cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null ||
        fail "cpack could not build the package"
    local deb=$work/package/htmlsim_${version}_amd64.deb
    [ -f "$deb" ] || fail "no package $(basename "$deb")"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
    dpkg-deb -f "$deb" | expect_lines "the package's control fields" "$expected/control.txt"
    dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' |
        expect_lines "the package's Depends" "$expected/depends.txt"
    dpkg-deb -c "$deb" | awk '{ print $6 }' |
        expect_lines "the package" <(printf './usr/%s\n' "${installed_files[@]}")
}

root=$work/root
prefix=$root/usr
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install failed"
check_installed_files
check_version
check_lean_cli
check_desktop_entry
check_manual_pages
check_per_user_folders
check_package
echo "check-install: htmlsim $version installs and packages correctly"
