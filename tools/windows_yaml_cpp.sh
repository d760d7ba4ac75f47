#!/usr/bin/env bash
# Builds yaml-cpp for 64-bit Windows (MinGW-w64), a static library, from Debian's own yaml-cpp
# source of the same version as this machine's libyaml-cpp-dev, into a cache outside the build
# tree, reused while its recipe stays the same. Prints the kit's folder on its last line.
#   tools/windows_yaml_cpp.sh       (tools/windows.sh calls it)
set -euo pipefail
cd "$(dirname "$0")/.."
project=$(pwd)

version=$(dpkg-query -W -f='${Version}' libyaml-cpp-dev 2>/dev/null) ||
    { echo "windows-yaml-cpp: libyaml-cpp-dev is not installed; run tools/bootstrap.sh" >&2; exit 1; }
source_version=${version%+b*}  # a binary rebuild (+b1) has its source's version
upstream=${version%%+*}
cache=${DOSSIER_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dossier}
kit=$cache/yaml-cpp-$upstream-mingw-w64
recipe="yaml-cpp $version, MinGW-w64 g++ $(x86_64-w64-mingw32-g++-posix -dumpfullversion), recipe 1"
if [ -f "$kit/.finished" ] && [ "$(cat "$kit/.finished")" = "$recipe" ]; then
    echo "$kit"
    exit 0
fi

work=$cache/work-yaml-cpp-$upstream
log=$cache/logs/yaml-cpp.log
mkdir -p "$cache/logs"
echo "windows-yaml-cpp: building yaml-cpp $upstream for Windows into $kit (about a minute)" >&2
rm -rf "$work" "$kit" "$kit.partial"
mkdir -p "$work"
cd "$work"
{
    apt-get source --download-only "yaml-cpp=$source_version" &&
    tar xf yaml-cpp_*.orig.tar.* && tar xf yaml-cpp_*.debian.tar.* &&
    source=$(find . -maxdepth 1 -type d -name 'yaml-cpp-*' | head -n 1) &&
    if [ -f debian/patches/series ]; then
        while read -r patch; do
            [ -n "$patch" ] && [ "${patch#\#}" = "$patch" ] && patch -d "$source" -p1 < "debian/patches/$patch"
        done < debian/patches/series
    fi &&
    echo "include(\"$project/cmake/mingw-w64-compilers.cmake\")" > toolchain.cmake &&
    cmake -S "$source" -B build -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$kit.partial" \
        -DYAML_CPP_BUILD_TESTS=OFF -DYAML_CPP_BUILD_TOOLS=OFF -DYAML_CPP_BUILD_CONTRIB=OFF \
        -DYAML_BUILD_SHARED_LIBS=OFF &&
    cmake --build build --parallel "$(nproc)" &&
    cmake --install build &&
    cp "$source/LICENSE" "$kit.partial/LICENSE-yaml-cpp.txt"
} > "$log" 2>&1 || {
    echo "windows-yaml-cpp: building yaml-cpp failed; its log is $log (tools/bootstrap.sh" \
         "windows adds the deb-src entry apt-get source needs)" >&2
    exit 1
}
echo "$recipe" > "$kit.partial/.finished"
mv "$kit.partial" "$kit"
rm -rf "$work"
echo "$kit"
