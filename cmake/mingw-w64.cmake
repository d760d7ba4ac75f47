# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads), run under Wine.
#   cmake --preset windows        (make test-windows does all of it)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)

# The .exe files import system DLLs only, so Wine (or Windows) needs nothing beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest runs every test program through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)

# The header-only packages, each from its own folder, and GoogleTest built from source.
set(DOSSIER_HEADER_ONLY_PACKAGES /usr/include/CLI /usr/include/nlohmann)
set(DOSSIER_GTEST_SOURCE /usr/src/googletest)

# GCC 12 warns of overlapping copies inside std::string that cannot happen (its bug 105329).
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
