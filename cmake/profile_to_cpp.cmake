# Compiles resources/profile into C++ arrays: cmake -DPROFILE=<folder> -DOUTPUT=<file.cpp> -P this.
# A file it cannot read, or a line the sheet could not print, fails the build, never the program.
cmake_minimum_required(VERSION 3.25)
function(fail file message)
    message(FATAL_ERROR "${file}: ${message}")
endfunction()

# Each file and its sections, in the order the program takes them; the motives' follow kMotives.
set(files "motives;leverage;mannerisms;occupations")
set(motives_sections "Money;Ideology;Coercion;Ego")
set(leverage_sections "leverage")
set(mannerisms_sections "mannerism")
set(occupations_sections "occupation")
set(longest 60)  # characters: the sheet's line holds this after its label
# The sheet copies these lines as they stand: no control character may be among them.
string(ASCII 1 2 3 4 5 6 7 8 9 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 127
       controls)

set(definitions "")
foreach(stem ${files})
    set(file ${PROFILE}/${stem}.txt)
    if(NOT EXISTS ${file})
        fail(${file} "is missing")
    endif()
    file(STRINGS ${file} lines ENCODING UTF-8)
    foreach(section ${${stem}_sections})
        set(entries_${section} "")
    endforeach()
    set(section "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^#")
            continue()
        elseif(line MATCHES "^\\[(.*)\\]$")
            set(section ${CMAKE_MATCH_1})
            if(NOT section IN_LIST ${stem}_sections)
                fail(${file} "unknown section [${section}]; it has ${${stem}_sections}")
            endif()
        elseif(line STREQUAL "" OR line MATCHES "[\"\\\\${controls}]" OR line MATCHES "^ | $")
            fail(${file} "\"${line}\" is no line the sheet can print")
        elseif(section STREQUAL "")
            fail(${file} "\"${line}\" stands before any section")
        else()
            string(LENGTH "${line}" length)
            if(length GREATER longest)
                fail(${file} "\"${line}\" is longer than ${longest} characters")
            endif()
            string(APPEND entries_${section} "\"${line}\", ")
        endif()
    endforeach()
    set(ids "")
    foreach(section ${${stem}_sections})
        if(entries_${section} STREQUAL "")
            fail(${file} "[${section}] is missing or empty")
        endif()
        string(MAKE_C_IDENTIFIER "${stem}_${section}" id)
        string(APPEND definitions "constexpr std::string_view k_${id}[] = {${entries_${section}}};\n")
        list(APPEND ids "k_${id}")
    endforeach()
    list(JOIN ids ", " ${stem}_spans)
endforeach()

file(WRITE ${OUTPUT}.new "// Made from resources/profile by cmake/profile_to_cpp.cmake; edit those files.
#include \"profile/profile_lists.h\"

#include \"core/sheet/character_profile.h\"

namespace dossier {

namespace {

${definitions}
constexpr std::span<const std::string_view> kMotiveDetails[] = {${motives_spans}};
static_assert(std::size(kMotiveDetails) == std::size(kMotives));

}  // namespace

std::span<const std::string_view> MotiveDetails(std::size_t motive) {
    return kMotiveDetails[motive];
}

std::span<const std::string_view> LeverageLines() {
    return ${leverage_spans};
}

std::span<const std::string_view> Mannerisms() {
    return ${mannerisms_spans};
}

std::span<const std::string_view> Occupations() {
    return ${occupations_spans};
}

}  // namespace dossier
")
# Rewritten only when it changed, so that no edit of a comment in the data recompiles it.
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
