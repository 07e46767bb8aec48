# Flags and helper functions shared by every folder.

set(TV_WARNINGS -Wall -Wextra -Wshadow -Wimplicit-fallthrough -Wformat=2 -Wundef -Werror)
add_compile_options(${TV_WARNINGS})

if(TV_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
    add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0500)
    add_link_options(-static -static-libgcc -static-libstdc++)
    set(TV_WIN32_SYSTEM_LIBS comctl32 comdlg32 winspool version ole32 oleaut32 uuid
        shell32 advapi32 gdi32 user32 kernel32)

    # GoogleTest built from the Debian sources with the cross compiler.
    if(NOT TARGET gtest)
        set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
        add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
        # The sources are not ours: do not fail on their warnings.
        foreach(t gtest gtest_main)
            target_compile_options(${t} PRIVATE -w)
        endforeach()
    endif()
    set(TV_GTEST gtest)
else()
    find_package(GTest REQUIRED)
    set(TV_GTEST GTest::gtest)
endif()

# tv_test(NAME SOURCES... [LIBS libs...] [SERIAL] [TIMEOUT s] [LABELS l])
# A GoogleTest executable; under the win32 preset ctest runs it through the
# Wine launcher (CMAKE_CROSSCOMPILING_EMULATOR).
# A Windows test takes one of the "displays" of ctest's resource file
# (tools/run-tests writes it): a display and a prefix of its own, so Windows
# tests run side by side and SERIAL is not needed there.  Without that file
# they share the caller's display: run them with -j 1.
function(tv_test name)
    cmake_parse_arguments(T "SERIAL;GUI" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${T_LIBS} ${TV_GTEST})
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp)
    if(WIN32)
        # Console subsystem so gtest output reaches ctest.
        target_link_options(${name} PRIVATE -mconsole)
    endif()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
    if(WIN32)
        set_tests_properties(${name} PROPERTIES RESOURCE_GROUPS displays:1)
    elseif(T_SERIAL)
        set_tests_properties(${name} PROPERTIES RUN_SERIAL ON)
    endif()
    if(T_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
    endif()
endfunction()

# tv_script_test(NAME COMMAND...): an end-to-end test driven by a shell script,
# in a display slot of its own like the Windows test programs.
function(tv_script_test name)
    add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-slot ${ARGN})
    set_tests_properties(${name} PROPERTIES RESOURCE_GROUPS displays:1 TIMEOUT 300
        ENVIRONMENT "TV_BUILD_DIR=${CMAKE_BINARY_DIR};TV_SOURCE_DIR=${PROJECT_SOURCE_DIR};TV_WINE_PREFIX=${TV_WINE_PREFIX}")
endfunction()

# The editor's resource parts that its .rc files include: windres gives
# ninja no list of them, so a changed part must be named.
set(TV_EDITOR_RC_PARTS ${PROJECT_SOURCE_DIR}/editor/res/view.rc
    ${PROJECT_SOURCE_DIR}/editor/res/view_search.rc ${PROJECT_SOURCE_DIR}/editor/res/integration.rc
    ${PROJECT_SOURCE_DIR}/editor/res/tools.rc ${PROJECT_SOURCE_DIR}/editor/res/tips.rc
    ${PROJECT_SOURCE_DIR}/editor/res/workset.rc ${PROJECT_SOURCE_DIR}/editor/res/side_bars.rc
    ${PROJECT_SOURCE_DIR}/editor/res/options.rc
    ${PROJECT_SOURCE_DIR}/editor/res/resource.h
    ${PROJECT_SOURCE_DIR}/editor/res/print_options.rc
    ${PROJECT_SOURCE_DIR}/framework/res/fw.rc ${PROJECT_SOURCE_DIR}/framework/res/fw_resource.h)

# tv_dist(TARGET NAME COMPONENT): the target's file ships in `make dist` as
# NAME, installed with the component of that number (cmake/Dist.cmake).
function(tv_dist target name component)
    set_property(GLOBAL APPEND PROPERTY TV_DIST_REGISTERED "${name}|${target}|${component}")
endfunction()

# tv_e2e(NAME [PROGRAM...]): the end-to-end script e2e/NAME.sh of the calling
# folder, given the paths of the programs (targets) it drives, in order.
function(tv_e2e name)
    set(programs)
    foreach(target ${ARGN})
        list(APPEND programs $<TARGET_FILE:${target}>)
    endforeach()
    tv_script_test(${name} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/${name}.sh ${programs})
endfunction()

# tv_benchmark(NAME SOURCES... [LIBS libs...]): Google Benchmark, native only.
function(tv_benchmark name)
    cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
    find_package(benchmark REQUIRED)
    add_executable(${name} ${B_SOURCES} ${B_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
    # make bench runs every program of this folder.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/benchmarks)
endfunction()

# tv_fuzz(NAME SOURCES... [LIBS libs...]): a libFuzzer target (clang only).
function(tv_fuzz name)
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCES} ${F_UNPARSED_ARGUMENTS})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    # tools/run-tests runs every program of this folder for a short time.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
endfunction()

# tv_images(TARGET_RC rcfile IMAGES name.xpm=out.ext[:convert-options] ...)
# Turns the text pictures beside an .rc file into the files windres reads,
# in the build folder, and makes the .rc depend on them.
function(tv_rc_images rcfile)
    set(outs)
    foreach(entry ${ARGN})
        string(REPLACE "=" ";" parts "${entry}")
        list(GET parts 0 src)
        list(GET parts 1 dst)
        set(opts)
        if(dst MATCHES "^(.*)@(.*)$")
            set(dst ${CMAKE_MATCH_1})
            string(REPLACE "," ";" opts "${CMAKE_MATCH_2}")
        endif()
        set(out ${CMAKE_CURRENT_BINARY_DIR}/${dst})
        add_custom_command(OUTPUT ${out}
            COMMAND convert ${CMAKE_CURRENT_SOURCE_DIR}/${src} ${opts} ${out}
            DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${src} VERBATIM)
        list(APPEND outs ${out})
    endforeach()
    set_source_files_properties(${rcfile} PROPERTIES OBJECT_DEPENDS "${outs}")

endfunction()

# tv_core_library(NAME [SOURCES...] [DEPS libs...]): a portable static library
# of one subsystem, built natively and for Windows.  Every core library joins
# the program's aggregate core (marl_core or setup_core, given by AGGREGATE).
function(tv_core_library name)
    cmake_parse_arguments(C "" "AGGREGATE" "SOURCES;DEPS" ${ARGN})
    if(NOT C_SOURCES)
        return()
    endif()
    add_library(${name} STATIC ${C_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    if(C_DEPS)
        target_link_libraries(${name} PUBLIC ${C_DEPS})
    endif()
    if(C_AGGREGATE)
        target_link_libraries(${C_AGGREGATE} INTERFACE ${name})
    endif()
endfunction()

if(TV_FUZZ)
    # The libraries under test carry the fuzzer's coverage instrumentation.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
