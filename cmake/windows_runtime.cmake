# On Windows the programs find Qt's DLLs beside them and its plugins in folders beside them, as Qt
# lays them out, with MinGW's C++ runtime that the DLLs need. They are put there when the build is
# configured, so the programs and the tests run from the build as they will from the zip.
get_filename_component(qt_kit "${Qt6_DIR}/../../.." ABSOLUTE)
set(DOSSIER_WINDOWS_RUNTIME
    bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6PrintSupport.dll
    bin/libstdc++-6.dll bin/libgcc_s_seh-1.dll bin/libwinpthread-1.dll
    plugins/platforms/qwindows.dll
    plugins/styles/qwindowsvistastyle.dll
    plugins/imageformats/qgif.dll plugins/imageformats/qico.dll plugins/imageformats/qjpeg.dll)
# Its licence texts, for the zip, and yaml-cpp's, which the programs carry compiled in.
get_filename_component(yaml_cpp_kit "${yaml-cpp_DIR}/../../.." ABSOLUTE)
set(DOSSIER_QT_LICENCES ${qt_kit}/LGPL-3.0-only.txt ${qt_kit}/GPL-3.0-only.txt
    ${yaml_cpp_kit}/LICENSE-yaml-cpp.txt)
foreach(file ${DOSSIER_WINDOWS_RUNTIME} bin/Qt6Test.dll)
    string(REGEX REPLACE "^(bin|plugins)/" "" relative ${file})
    get_filename_component(folder "${relative}" DIRECTORY)
    file(COPY ${qt_kit}/${file} DESTINATION ${DOSSIER_PROGRAM_FOLDER}/${folder})
endforeach()

# make package-windows: build-windows/dossier-<version>-windows-x64.zip.
add_custom_target(package-windows
    COMMAND ${CMAKE_COMMAND} -DPROGRAMS=${DOSSIER_PROGRAM_FOLDER} -DSOURCE=${PROJECT_SOURCE_DIR}
            -DNAME=dossier-${PROJECT_VERSION}-windows-x64 -DVERSION=${PROJECT_VERSION}
            "-DRUNTIME=${DOSSIER_WINDOWS_RUNTIME}" "-DLICENCES=${DOSSIER_QT_LICENCES}"
            -P ${PROJECT_SOURCE_DIR}/cmake/windows_zip.cmake
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    DEPENDS dossier dossier-cli
    VERBATIM)
