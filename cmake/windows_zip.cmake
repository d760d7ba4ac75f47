# The zip a Windows user unpacks: both programs, the Qt DLLs and plugins they load laid out as Qt
# expects, README.txt and the licences. Run by the package-windows target with -D: PROGRAMS
# (the program folder), SOURCE (the project), NAME (the zip's name without .zip), RUNTIME and
# LICENCES (the lists from windows_runtime.cmake), VERSION.
set(stage ${CMAKE_CURRENT_BINARY_DIR}/package/${NAME})
file(REMOVE_RECURSE ${CMAKE_CURRENT_BINARY_DIR}/package)
file(COPY ${PROGRAMS}/dossier.exe ${PROGRAMS}/dossier-cli.exe DESTINATION ${stage})
foreach(file ${RUNTIME})
    string(REGEX REPLACE "^(bin|plugins)/" "" relative ${file})
    get_filename_component(folder "${relative}" DIRECTORY)
    file(COPY ${PROGRAMS}/${relative} DESTINATION ${stage}/${folder})
endforeach()
# Without their symbols: a third of the size.
file(GLOB_RECURSE binaries ${stage}/*.exe ${stage}/*.dll)
execute_process(COMMAND x86_64-w64-mingw32-strip --strip-unneeded ${binaries}
                COMMAND_ERROR_IS_FATAL ANY)
set(DOSSIER_VERSION ${VERSION})
configure_file(${SOURCE}/resources/windows/README.txt ${stage}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${SOURCE}/LICENSE ${stage}/LICENSE.txt COPYONLY)
configure_file(${SOURCE}/THIRD-PARTY-NOTICES ${stage}/THIRD-PARTY-NOTICES.txt COPYONLY)
file(COPY ${LICENCES} DESTINATION ${stage}/licences)
configure_file(${SOURCE}/resources/fonts/LICENSE.txt ${stage}/licences/DejaVu-fonts.txt COPYONLY)
configure_file(${SOURCE}/resources/names/LICENSE.faker ${stage}/licences/faker-names.txt COPYONLY)
foreach(package libcli11-dev nlohmann-json3-dev gcc-mingw-w64-base mingw-w64-common)
    configure_file(/usr/share/doc/${package}/copyright ${stage}/licences/${package}.txt COPYONLY)
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${CMAKE_CURRENT_BINARY_DIR}/${NAME}.zip
                        --format=zip ${NAME}
                WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/package
                COMMAND_ERROR_IS_FATAL ANY)
