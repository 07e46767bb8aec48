# `make dist`: the folder a user receives (build/<preset>/dist): setup.exe, its
# SETUP.INF and the files it installs.
#
# Each file to install is one entry "NAME|TARGET-OR-PATH|COMPONENT" in
# TV_DIST_FILES below (components: 1 program, 2 tips, 3 outliners), or a
# target that registers itself from its own folder with
#   tv_dist(TARGET NAME COMPONENT)
# SETUP.INF's [Files] section is written from this one list.
if(NOT WIN32)
    return()
endif()

set(TV_DIST_FILES
    "MARL.EXE|marl|1"
    "MARL.TIP|${CMAKE_BINARY_DIR}/editor/MARL.TIP|2")
get_property(tv_registered GLOBAL PROPERTY TV_DIST_REGISTERED)
list(APPEND TV_DIST_FILES ${tv_registered})

set(tv_dist_entries)
set(tv_dist_depends setup)
foreach(entry IN LISTS TV_DIST_FILES)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 source)
    list(GET parts 2 component)
    if(TARGET ${source})
        list(APPEND tv_dist_depends ${source})
        set(source $<TARGET_FILE:${source}>)
    endif()
    list(APPEND tv_dist_entries "${name}*${source}*${component}")
endforeach()
string(REPLACE ";" "|" tv_dist_entries "${tv_dist_entries}")

set(TV_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
# In the default build: the end-to-end test of the installation uses it.
add_custom_target(dist ALL
    COMMAND ${CMAKE_COMMAND} -DDIST_DIR=${TV_DIST_DIR} -DSETUP_EXE=$<TARGET_FILE:setup>
        -DINF_TEMPLATE=${PROJECT_SOURCE_DIR}/setup/dist/SETUP.INF.in
        "-DENTRIES=${tv_dist_entries}" -P ${PROJECT_SOURCE_DIR}/cmake/make_dist.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/setup/dist/SETUP.INF.in ${PROJECT_SOURCE_DIR}/cmake/make_dist.cmake
    VERBATIM)
add_dependencies(dist ${tv_dist_depends})
