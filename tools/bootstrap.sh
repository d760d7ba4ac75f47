#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing.
#   tools/bootstrap.sh            the native build, its tests, fuzzing and packaging
#   tools/bootstrap.sh windows    the Windows cross build and Wine to test it
set -euo pipefail

# file: CPack's shlibdeps reads the binaries' dependencies with it (make package).
packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins libcli11-dev nlohmann-json3-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
          clang clang-format libclang-rt-14-dev dpkg-dev file poppler-utils)
if [ "${1:-}" = windows ]; then
    # GoogleTest comes as source, built with the cross compiler.
    packages=(cmake make g++-mingw-w64-x86-64-posix wine64 googletest libcli11-dev nlohmann-json3-dev)
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
[ ${#missing[@]} -eq 0 ] && exit 0

echo "bootstrap: installing ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
        echo "bootstrap: not root and no sudo; please install as root: apt-get install ${missing[*]}" >&2
        exit 1
    fi
fi
# sudo resets the environment, so the front end is set on apt's own command line.
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
