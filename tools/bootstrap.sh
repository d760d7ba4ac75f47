#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing.
#   tools/bootstrap.sh            the native build, its tests, fuzzing and packaging
#   tools/bootstrap.sh windows    the Windows cross build, Qt's and yaml-cpp's source to build them for Windows,
#                                 and Wine, Xvfb and xdotool to test it
set -euo pipefail

# wbritish: the profile lists are spelt against its words (tools/check_profile.py).
# file: CPack's shlibdeps reads the binaries' dependencies with it (make package).
# graphviz: the tests have its dot draw the networks dossier-cli writes for it.
# libyaml-cpp-dev: the notes' front matter is written (and read back by the tests) with it.
packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins libcli11-dev nlohmann-json3-dev libyaml-cpp-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
          clang clang-format libclang-rt-14-dev dpkg-dev file poppler-utils python3
          wbritish graphviz)
if [ "${1:-}" = windows ]; then
    # GoogleTest comes as source, built with the cross compiler; Qt too (tools/windows_kit.sh),
    # with the host's qt6-base-dev for its moc, rcc and uic.
    packages=(cmake make g++-mingw-w64-x86-64-posix wine64 googletest libcli11-dev nlohmann-json3-dev libyaml-cpp-dev
              qt6-base-dev ninja-build dpkg-dev xz-utils patch xvfb xauth xdotool poppler-utils)
fi

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "bootstrap: this is not a Debian system; install these packages (or their equivalents) by hand:" >&2
    echo "  ${packages[*]}" >&2
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$p")
done
# Qt for Windows is built from Debian's source package, which takes deb-src entries.
needs_source=false
if [ "${1:-}" = windows ] && ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package:'; then
    needs_source=true
fi
[ ${#missing[@]} -eq 0 ] && [ "$needs_source" = false ] && exit 0

[ ${#missing[@]} -gt 0 ] && echo "bootstrap: installing ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
        echo "bootstrap: not root and no sudo; please install as root: apt-get install ${missing[*]}" >&2
        exit 1
    fi
fi
if [ "$needs_source" = true ]; then
    # The same archives as the machine's own entries, for source packages.
    echo "bootstrap: adding deb-src entries beside the machine's own, for Qt's source" >&2
    for entries in /etc/apt/sources.list.d/*.sources; do
        [ -f "$entries" ] && [ "${entries##*/}" != dossier-deb-src.sources ] &&
            sed 's/^Types: deb$/Types: deb-src/' "$entries" && echo
    done | $sudo tee /etc/apt/sources.list.d/dossier-deb-src.sources >/dev/null
    { grep -h '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
        sed 's/^deb /deb-src /' | $sudo tee /etc/apt/sources.list.d/dossier-deb-src.list >/dev/null
fi
# sudo resets the environment, so the front end is set on apt's own command line.
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
[ ${#missing[@]} -eq 0 ] ||
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
