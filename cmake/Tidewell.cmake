# Build helpers shared by every folder. Folders declare what they hold; tidewell_finish() makes
# the libraries once every folder has been read, so no folder needs to know the link order.

include_guard(GLOBAL)

set(TIDEWELL_GTEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")

if(WIN32)
    set(TIDEWELL_TARGET_KIND windows)
    enable_language(RC)
    add_compile_definitions(UNICODE _UNICODE NOMINMAX WINVER=0x0501 _WIN32_WINNT=0x0501
                            _WIN32_IE=0x0600)
    add_compile_options(-Wall -Wextra)
    add_link_options(-static -static-libgcc -static-libstdc++)
    set(TIDEWELL_WIN_LIBS shell32 ole32 oleaut32 uuid advapi32 user32 gdi32 comctl32 comdlg32
                          shlwapi psapi wininet version msimg32)
    set(TIDEWELL_RC_FLAGS --codepage=65001)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        # The release programs say in their headers what they need: Windows XP (5.1).
        add_link_options(LINKER:--major-os-version,5 LINKER:--minor-os-version,1
                         LINKER:--major-subsystem-version,5 LINKER:--minor-subsystem-version,1)
    endif()
else()
    set(TIDEWELL_TARGET_KIND native)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(WARNING "the native build expects clang (sanitizers and libFuzzer)")
    endif()
    add_compile_options(-Wall -Wextra)
    set(TIDEWELL_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all
                          -fno-omit-frame-pointer)
    add_compile_options(${TIDEWELL_SANITIZE})
    add_link_options(${TIDEWELL_SANITIZE})
endif()

set(TIDEWELL_SRC_DIR ${CMAKE_SOURCE_DIR}/src)
set(TIDEWELL_TEST_SUPPORT_DIR ${CMAKE_SOURCE_DIR}/tests/support)

# tidewell_sources(PURE a.cpp ... WIN b.cpp ...)
# PURE: no windows.h; compiled into the product and natively for tests and fuzzing.
# WIN: the Win32 side; compiled into the Windows builds only.
function(tidewell_sources)
    cmake_parse_arguments(ARG "" "" "PURE;WIN" ${ARGN})
    foreach(kind PURE WIN)
        foreach(f IN LISTS ARG_${kind})
            get_filename_component(abs ${f} ABSOLUTE)
            set_property(GLOBAL APPEND PROPERTY TIDEWELL_${kind}_SOURCES ${abs})
        endforeach()
    endforeach()
endfunction()

# tidewell_test(name [NATIVE|WINE] SOURCES ... [TIMEOUT s])
# NATIVE tests link the pure library and run on Linux; WINE tests link the whole core and run
# under wine64 (they are also compiled by the 32-bit build, which cannot run them).
function(tidewell_test name)
    cmake_parse_arguments(ARG "NATIVE;WINE" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    if(ARG_NATIVE AND NOT WIN32)
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE tidewell_test_support tidewell_pure gtest_main
                                              ${ARG_LIBS})
        add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    elseif(ARG_WINE AND WIN32)
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE tidewell_test_support tidewell_core gtest_main
                                              ${ARG_LIBS})
        add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    else()
        return()
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()

# tidewell_drive_test(name SOURCES ... [LIBS ...]): a Wine test program that starts other
# programs, or is hooked from them: it lies beside Tidewell.exe and Tidewell.dll and runs from
# the build folder's drive letter T: (scripts/wine-ctest maps it; TIDEWELL_TEST_BUILD_DRIVE).
function(tidewell_drive_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT WIN32)
        return()
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE tidewell_test_support tidewell_core gtest_main
                                          ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TIDEWELL_PROGRAM_DIR})
    add_test(NAME ${name} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} "T:\\${name}.exe"
                                  --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
                                            ENVIRONMENT "TIDEWELL_TEST_BUILD_DRIVE=T:\\")
endfunction()

# tidewell_fuzzer(name source [SECONDS n]): a libFuzzer target over the pure code, run briefly
# by the test command. Native build only.
function(tidewell_fuzzer name source)
    cmake_parse_arguments(ARG "" "SECONDS" "" ${ARGN})
    if(WIN32)
        return()
    endif()
    if(NOT ARG_SECONDS)
        set(ARG_SECONDS 10)
    endif()
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE tidewell_pure_fuzz)
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
    file(MAKE_DIRECTORY ${corpus})
    add_test(NAME ${name}
             COMMAND ${name} -max_total_time=${ARG_SECONDS} -rss_limit_mb=1024 -print_final_stats=0
                     ${corpus})
    set_tests_properties(${name} PROPERTIES TIMEOUT 120 LABELS fuzz)
endfunction()

# tidewell_tool(name sources...): a host-side build tool (native build only).
function(tidewell_tool name)
    if(WIN32)
        return()
    endif()
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE tidewell_pure)
endfunction()

# Where the Windows builds find the host tools made by the native build.
set(TIDEWELL_HOST_TOOLS "" CACHE PATH "folder of the native build's tools (tools/)")

function(tidewell_finish)
    get_property(pure GLOBAL PROPERTY TIDEWELL_PURE_SOURCES)
    get_property(win GLOBAL PROPERTY TIDEWELL_WIN_SOURCES)
    add_library(tidewell_pure STATIC ${pure})
    target_include_directories(tidewell_pure PUBLIC ${TIDEWELL_SRC_DIR})
    if(WIN32)
        add_library(tidewell_core STATIC ${win})
        target_include_directories(tidewell_core PUBLIC ${TIDEWELL_SRC_DIR})
        target_link_libraries(tidewell_core PUBLIC tidewell_pure ${TIDEWELL_WIN_LIBS})
    else()
        # The same pure code again, instrumented for coverage-guided fuzzing.
        add_library(tidewell_pure_fuzz STATIC ${pure})
        target_include_directories(tidewell_pure_fuzz PUBLIC ${TIDEWELL_SRC_DIR})
        target_compile_options(tidewell_pure_fuzz PUBLIC -fsanitize=fuzzer-no-link)
    endif()
endfunction()
