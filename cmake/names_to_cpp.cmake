# Compiles resources/names into C++ arrays: cmake -DNAMES=<folder> -DOUTPUT=<file.cpp> -P this.
# A file it cannot read fails the build, never the program.
cmake_minimum_required(VERSION 3.25)
function(fail file message)
    message(FATAL_ERROR "${file}: ${message}")
endfunction()

set(known "female;male;surname;female surname;male surname;adjective;noun;never")
set(definitions "")
set(origins "")
file(GLOB files ${NAMES}/*.txt)
list(SORT files)
foreach(file ${files})
    get_filename_component(stem ${file} NAME_WE)
    file(STRINGS ${file} lines ENCODING UTF-8)
    list(POP_FRONT lines heading)
    if(NOT heading MATCHES "^# ([^:]+):")
        fail(${file} "the first line is not \"# <origin>: <source>\"")
    endif()
    set(origin ${CMAKE_MATCH_1})
    foreach(section ${known})
        string(REPLACE " " "_" key "${section}")
        set(${key} "")
    endforeach()
    set(section "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^\\[(.*)\\]$")
            set(section ${CMAKE_MATCH_1})
            if(NOT section IN_LIST known)
                fail(${file} "unknown section [${section}]")
            endif()
        elseif(line STREQUAL "" OR line MATCHES "[\"\\\\]" OR line MATCHES "^ | $")
            fail(${file} "\"${line}\" is no name")
        elseif(section STREQUAL "")
            fail(${file} "\"${line}\" stands before any section")
        else()
            string(REPLACE " " "_" key "${section}")
            string(APPEND ${key} "\"${line}\", ")
        endif()
    endforeach()
    set(spans "")
    foreach(section ${known})
        string(REPLACE " " "_" key "${section}")
        if(${key} STREQUAL "")
            string(APPEND spans "{}, ")
        else()
            string(APPEND definitions
                "constexpr std::string_view k_${stem}_${key}[] = {${${key}}};\n")
            string(APPEND spans "k_${stem}_${key}, ")
        endif()
    endforeach()
    if(stem STREQUAL "aliases")
        if(adjective STREQUAL "" OR noun STREQUAL "")
            fail(${file} "needs [adjective] and [noun]")
        endif()
        set(aliases_seen TRUE)
        set(never_aliases "k_aliases_never")
        if(never STREQUAL "")
            set(never_aliases "std::span<const std::string_view>()")
        endif()
        continue()
    endif()
    if(stem STREQUAL "famous")
        if(never STREQUAL "")
            fail(${file} "needs [never]")
        endif()
        set(famous_seen TRUE)
        continue()
    endif()
    if(female STREQUAL "" OR male STREQUAL "" OR
       (surname STREQUAL "" AND (female_surname STREQUAL "" OR male_surname STREQUAL "")))
        fail(${file} "needs [female], [male] and surnames for both sexes")
    endif()
    string(APPEND origins "    {\"${origin}\", ${spans}},\n")
endforeach()
foreach(needed aliases famous)
    if(NOT ${needed}_seen)
        message(FATAL_ERROR "${NAMES}/${needed}.txt is missing")
    endif()
endforeach()

file(WRITE ${OUTPUT}.new "// Made from resources/names by cmake/names_to_cpp.cmake; edit those files.
#include \"naming/name_lists.h\"

namespace dossier {

namespace {

${definitions}
// The fields after the origin follow the order of the sections in the files.
struct Row {
    std::string_view origin;
    std::span<const std::string_view> female, male, surname, femaleSurname, maleSurname,
        adjective, noun, never;
};

constexpr Row kRows[] = {
${origins}};

constexpr std::array<OriginNames, std::size(kRows)> Origins() {
    std::array<OriginNames, std::size(kRows)> origins{};
    for (std::size_t i = 0; i < origins.size(); ++i) {
        const Row& row = kRows[i];
        origins[i] = {row.origin, row.female, row.male, row.surname, row.femaleSurname,
                      row.maleSurname};
    }
    return origins;
}

constexpr std::array<OriginNames, std::size(kRows)> kOrigins = Origins();

}  // namespace

std::span<const OriginNames> NameOrigins() {
    return kOrigins;
}

std::span<const std::string_view> AliasAdjectives() {
    return k_aliases_adjective;
}

std::span<const std::string_view> AliasNouns() {
    return k_aliases_noun;
}

std::span<const std::string_view> NeverDrawnAliases() {
    return ${never_aliases};
}

std::span<const std::string_view> FamousNames() {
    return k_famous_never;
}

}  // namespace dossier
")
# Rewritten only when it changed, so that no edit of a comment in the data recompiles it.
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
