# The program, korvath.exe, and its twin with a short command time limit for
# tests of hanging commands; both carry the same Windows resources.

get_property(KORVATH_LAUNCHER_FILE GLOBAL PROPERTY KORVATH_LAUNCHER_APK)
if(NOT KORVATH_LAUNCHER_FILE)
    message(FATAL_ERROR "the launcher package is not part of this build")
endif()

set(KORVATH_ICON_FILE ${CMAKE_SOURCE_DIR}/resources/korvath.ico)
set(KORVATH_MANIFEST_FILE ${CMAKE_BINARY_DIR}/resources/korvath.manifest)
set(KORVATH_RC_FILE ${CMAKE_BINARY_DIR}/resources/korvath.rc)
configure_file(${CMAKE_SOURCE_DIR}/resources/korvath.manifest.in ${KORVATH_MANIFEST_FILE} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/korvath.rc.in ${KORVATH_RC_FILE} @ONLY)

add_library(korvath_resources OBJECT ${KORVATH_RC_FILE})
target_include_directories(korvath_resources PRIVATE ${CMAKE_SOURCE_DIR}/src)
set_source_files_properties(${KORVATH_RC_FILE} PROPERTIES OBJECT_DEPENDS
    "${KORVATH_LAUNCHER_FILE};${KORVATH_MANIFEST_FILE};${KORVATH_ICON_FILE}")
add_dependencies(korvath_resources launcher_apk)

# korvath_add_program(<name> [COMMAND_TIME_LIMIT_MS <ms>])
function(korvath_add_program name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "COMMAND_TIME_LIMIT_MS" "")
    add_executable(${name} WIN32 ${CMAKE_SOURCE_DIR}/src/app/main_win32.cpp)
    target_link_libraries(${name} PRIVATE korvath_resources korvath_win32 korvath_warnings)
    target_link_options(${name} PRIVATE -municode)
    if(arg_COMMAND_TIME_LIMIT_MS)
        target_compile_definitions(${name} PRIVATE
            KORVATH_COMMAND_TIME_LIMIT_MS=${arg_COMMAND_TIME_LIMIT_MS})
    endif()
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()

korvath_add_program(korvath)
korvath_add_program(korvath_quick_timeout COMMAND_TIME_LIMIT_MS 4000)
