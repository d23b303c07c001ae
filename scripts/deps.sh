#!/usr/bin/env bash
# Installs the Debian 12 packages of the named sets, where missing; every script here installs
# what it needs through this one. With no set named, installs the "test" set.
#
#   build    compiler, CMake, Ninja, Qt's development files, Qt's Linguist tools (the program's
#            translations) and Qt's own translations, Xlib (the end-to-end test's helper), the
#            fonts the window is laid out for: what scripts/build.sh needs
#   display  a virtual X display, to run the window where there is no display
#   session  driving the window from outside and taking its picture
#   fuzz     clang with libFuzzer and the sanitizers' run-time
#   lint     clang-format, clang-tidy and Python for the lint script
#   bench    Google Benchmark, inih (the reader to compare with) and Python for the report
#   package  the tools that build, inspect and validate the Linux packages, and ask for a file's
#            MIME type and the program that opens it
#   windows  the MinGW cross compilers, Wine, the host Qt whose tools the Windows Qt reuses (its
#            Linguist tools and Qt's translations too, which the Windows Qt lacks), and Python's
#            Markdown for the guide the ZIP holds as HTML
#   test     build, display, session, fuzz and lint: everything scripts/test.sh runs here itself
#
# ZELVIK_EXTRA_PACKAGES names more packages, separated by spaces.
set -euo pipefail

# The packages of set $1, on one line.
packages_of() {
    case $1 in
    build)
        echo cmake ninja-build g++ libx11-dev qt6-base-dev qt6-base-dev-tools libgl-dev \
            qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation
        ;;
    display) echo xvfb xauth ;;
    session) echo xdotool imagemagick ;;
    fuzz) echo clang libclang-rt-14-dev ;;
    lint) echo clang-format clang-tidy python3 ;;
    bench) echo libbenchmark-dev libinih-dev pkg-config python3 ;;
    package)
        echo desktop-file-utils appstream dpkg-dev file libglib2.0-bin shared-mime-info xdg-utils
        ;;
    windows)
        echo g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine64 wine ninja-build xvfb \
            dpkg-dev cmake qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools \
            qt6-translations-l10n python3-markdown
        ;;
    test) echo "$(packages_of build) $(packages_of display) $(packages_of session)" \
        "$(packages_of fuzz) $(packages_of lint) pkg-config" ;;
    *)
        echo "deps.sh: no package set named \"$1\" (see the list at the top of $0)" >&2
        return 1
        ;;
    esac
}

packages=()
for set in "${@:-test}"; do
    list=$(packages_of "$set") || exit 2
    read -r -a named <<<"$list"
    packages+=("${named[@]}")
done
[ "${ZELVIK_EXTRA_PACKAGES:-}" ] && read -r -a extra <<<"$ZELVIK_EXTRA_PACKAGES" && packages+=("${extra[@]}")

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
