#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (MinGW-w64) from Debian's own qt6-base source, of the same version
# as this machine's qt6-base-dev, whose moc, rcc and uic serve as the host tools. The kit goes to
# a cache outside the build tree and is reused while its recipe stays the same; a half-built one
# is never taken for a finished one. Prints the kit's folder on its last line.
#   tools/windows_kit.sh       (make windows-kit; make test-windows calls it)
set -euo pipefail
cd "$(dirname "$0")/.."
project=$(pwd)

fail() {  # step, log
    echo "windows-kit: $1 failed; its log is $2" >&2
    exit 1
}

version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) ||
    { echo "windows-kit: qt6-base-dev is not installed; run tools/bootstrap.sh first" >&2; exit 1; }
upstream=${version%%+*}
cache=${DOSSIER_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dossier}
kit=$cache/qt-$upstream-mingw-w64
# What the kit is made of: another Qt, another compiler or a new recipe (raise it when the
# configuration below changes) makes a new one.
recipe="qt6-base $version, MinGW-w64 g++ $(x86_64-w64-mingw32-g++-posix -dumpfullversion), recipe 1"
if [ -f "$kit/.finished" ] && [ "$(cat "$kit/.finished")" = "$recipe" ]; then
    echo "$kit"
    exit 0
fi

work=$cache/work-qt-$upstream
logs=$cache/logs
mkdir -p "$logs"
free=$(df --output=avail -B1M "$cache" | tail -n 1)
if [ "$free" -lt 4000 ]; then
    echo "windows-kit: building Qt needs about 4 GB free in $cache, and $free MB are" >&2
    exit 1
fi
echo "windows-kit: building Qt $upstream for Windows into $kit (about half an hour on 2 cores)" >&2
rm -rf "$work" "$kit"
mkdir -p "$work"
cd "$work"

# Debian's source of the host's very version, with the security fixes Debian applies to it.
log=$logs/qt-source.log
apt-get source --download-only "qt6-base=$version" > "$log" 2>&1 || {
    echo "windows-kit: Debian's source archive gave no qt6-base $version, the version of this" \
         "machine's qt6-base-dev: tools/bootstrap.sh windows adds the deb-src entry it needs;" \
         "if the archive has moved on, upgrade qt6-base-dev (apt-get install qt6-base-dev)" >&2
    fail "fetching the source" "$log"
}
{
    tar xf qt6-base_*.orig.tar.xz && tar xf qt6-base_*.debian.tar.xz &&
    for patch in debian/patches/cve-*; do patch -d qtbase-everywhere-src-* -p1 < "$patch"; done
} >> "$log" 2>&1 || fail "unpacking and patching the source" "$log"

echo "include(\"$project/cmake/mingw-w64-compilers.cmake\")" > toolchain.cmake

# Only what the window and the PDFs need: no OpenGL, D-Bus, ICU, SQL, network, XML or tablet
# events (its header is not in Debian's source), the image and text libraries Qt carries.
mkdir build && cd build
log=$logs/qt-configure.log
../qtbase-everywhere-src-*/configure -prefix "$kit.partial" -xplatform win32-g++ \
    -qt-host-path /usr -release -shared -nomake tests -nomake examples \
    -no-opengl -no-dbus -no-icu -no-feature-sql -no-feature-network -no-feature-xml \
    -no-feature-concurrent -no-feature-tabletevent \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
    -- -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    > "$log" 2>&1 || fail "configuring Qt" "$log"
log=$logs/qt-build.log
cmake --build . --parallel "$(nproc)" > "$log" 2>&1 || fail "building Qt" "$log"
log=$logs/qt-install.log
{
    cmake --install . &&
    # The Qt DLLs need MinGW's C++ runtime beside them.
    cp /usr/lib/gcc/x86_64-w64-mingw32/*-posix/libstdc++-6.dll \
       /usr/lib/gcc/x86_64-w64-mingw32/*-posix/libgcc_s_seh-1.dll \
       /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$kit.partial/bin/" &&
    cp ../qtbase-everywhere-src-*/LICENSES/{LGPL-3.0-only,GPL-3.0-only}.txt "$kit.partial/"
} > "$log" 2>&1 || fail "installing Qt" "$log"

echo "$recipe" > "$kit.partial/.finished"
mv "$kit.partial" "$kit"
cd "$project"
rm -rf "$work"
echo "$kit"
