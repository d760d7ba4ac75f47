#!/usr/bin/env bash
# The Windows build: Qt for MinGW-w64 from the kit (tools/windows_kit.sh), both programs and
# their tests cross-built, the tests run under Wine in a virtual display, and the zip.
#   tools/windows.sh build | test | package        (make test-windows, make package-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh windows
kit=$(bash tools/windows_kit.sh | tail -n 1)
export DOSSIER_QT_KIT=$kit
yaml_cpp=$(bash tools/windows_yaml_cpp.sh | tail -n 1)
# A build configured with another toolchain or kit starts afresh.
grep -qs "CMAKE_TOOLCHAIN_FILE:FILEPATH=$kit/" build-windows/CMakeCache.txt ||
    rm -rf build-windows/CMakeCache.txt build-windows/CMakeFiles
cmake --preset windows -DDOSSIER_WARNINGS_AS_ERRORS="${WERROR:-OFF}" \
    -Dyaml-cpp_DIR="$yaml_cpp/lib/cmake/yaml-cpp" >/dev/null
cmake --build --preset windows -j "${JOBS:-$(nproc)}"

wine_env=(WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml=")
case "${1:-build}" in
    test)
        # The build's own Wine prefix, made once, before tests that run side by side would
        # each start making it.
        # Wine has been seen to leave a prefix half made on its first run on a machine (no
        # kernel32.dll), so one without its registry is made again, twice at most.
        prefix=$PWD/build-windows/wine-prefix
        for attempt in 1 2; do
            [ -f "$prefix/system.reg" ] && break
            rm -rf "$prefix"
            env "${wine_env[@]}" WINEPREFIX="$prefix" /usr/lib/wine/wine64 wineboot --init \
                >/dev/null 2>&1 || true
            WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w
        done
        [ -f "$prefix/system.reg" ] || {
            echo "test-windows: Wine could not make its prefix $prefix; to see why, run" \
                "WINEPREFIX=$prefix /usr/lib/wine/wine64 wineboot --init" >&2
            exit 1
        }
        # The window's tests draw on Windows' own platform, which Wine shows in an X display.
        xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows -j "${JOBS:-$(nproc)}"
        # The zip, used end to end; the host's screenshot tool saves what Wine shows.
        cmake --build --preset windows --target package-windows >/dev/null
        cmake --preset default -DDOSSIER_WARNINGS_AS_ERRORS="${WERROR:-OFF}" >/dev/null
        cmake --build --preset default --target dossier_screenshots -j "${JOBS:-$(nproc)}" >/dev/null
        bash tests/gui/end_to_end_windows.sh build-windows/dossier-*-windows-x64.zip \
            build-windows/bin/command_line_recorder.exe build/tools/dossier_screenshots
        ;;
    package)
        cmake --build --preset windows --target package-windows
        ls build-windows/dossier-*-windows-x64.zip
        ;;
esac
