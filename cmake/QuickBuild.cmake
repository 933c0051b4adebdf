# What keeps a fresh build quick on two cores; none of it changes what the
# program does.
#
# - lld links, where it is installed: the tests and benchmarks are some
#   seventy executables over the same static libraries.
# - The everyday build (RelWithDebInfo) keeps line tables and function names
#   only, enough for a backtrace and for callgrind; full debug information
#   costs a quarter more compile time. The Debian package builds with its
#   own flags.
# - With GCC, every target compiles against one of three precompiled
#   headers, chosen by what it links: the standard library for the cores
#   and their tools, with GoogleTest's header for their tests, and the Qt
#   headers most windows include for everything else.
#   Each is made once and reused by every target of its kind
#   (pelikor_share_precompiled_headers); Qt's headers alone cost a second
#   or two a source.
# - Libraries and programs of several sources compile in unity batches,
#   which load that header once for many sources.

include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld PELIKOR_LLD_WORKS)
if(PELIKOR_LLD_WORKS)
    add_link_options(-fuse-ld=lld)
endif()

add_compile_options($<$<CONFIG:RelWithDebInfo>:-g1>)

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    option(PELIKOR_PRECOMPILED_HEADERS "Share precompiled headers among the targets" ON)
else()
    set(PELIKOR_PRECOMPILED_HEADERS OFF)
endif()

# The tests' own sources are most of what a fresh build compiles, and they
# spend their time in the libraries they test, which keep the build's
# optimisation: the everyday build compiles them at -Og, a fifth to a
# third quicker.
if(CMAKE_BUILD_TYPE STREQUAL "RelWithDebInfo")
    set(PELIKOR_TEST_COMPILE_OPTIONS -Og)
else()
    set(PELIKOR_TEST_COMPILE_OPTIONS "")
endif()

set(PELIKOR_UNITY_BATCH 8 CACHE STRING "Sources a unity batch holds at most (0: no unity builds)")

set(PELIKOR_PCH_core
    <algorithm> <array> <cerrno> <cstddef> <cstdint> <filesystem> <functional> <memory>
    <optional> <stdexcept> <string> <string_view> <utility> <vector>)
set(PELIKOR_PCH_gtest ${PELIKOR_PCH_core} <gtest/gtest.h>)
set(PELIKOR_PCH_qt ${PELIKOR_PCH_core}
    <QApplication> <QColor> <QCoreApplication> <QDir> <QEvent> <QFile> <QFont> <QFrame>
    <QGuiApplication> <QImage> <QKeyEvent> <QLabel> <QLineEdit> <QList> <QMouseEvent>
    <QObject> <QPainter> <QPainterPath> <QPixmap> <QPointer> <QRect> <QRegion> <QScreen>
    <QString> <QStringList> <QTimer> <QWidget> <QWindow>)

# The kind of a target: qt when it links Qt, directly or through one of
# ours, else gtest when it links GoogleTest, else core.
function(pelikor_pch_kind target result)
    set(pending ${target})
    set(visited "")
    set(kind core)
    list(LENGTH pending count)
    while(count GREATER 0)
        list(POP_FRONT pending current)
        list(LENGTH pending count)
        if(current IN_LIST visited)
            continue()
        endif()
        list(APPEND visited ${current})
        if(current MATCHES "^Qt6::")
            set(${result} qt PARENT_SCOPE)
            return()
        elseif(current MATCHES "^GTest::")
            set(kind gtest)
        elseif(TARGET ${current})
            get_target_property(imported ${current} IMPORTED)
            if(NOT imported)
                get_target_property(links ${current} LINK_LIBRARIES)
                get_target_property(interface_links ${current} INTERFACE_LINK_LIBRARIES)
                foreach(link IN LISTS links interface_links)
                    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
                    if(link)
                        list(APPEND pending ${link})
                    endif()
                endforeach()
                list(LENGTH pending count)
            endif()
        endif()
    endwhile()
    set(${result} ${kind} PARENT_SCOPE)
endfunction()

# The names a source declares at file level outside a class (its anonymous
# namespace's constants, helpers and types): two sources of one unity batch
# that declare the same one would clash. Member definitions (A::b) and
# namespace aliases are left out; a name caught by mistake costs only speed.
function(pelikor_file_level_names file result)
    file(STRINGS ${file} lines REGEX "^[][A-Za-z_]")
    set(names "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^(namespace|template) ")
            continue()
        elseif(line MATCHES "^(enum class|enum struct|struct|class|union|enum) +([A-Za-z_][A-Za-z0-9_]*)")
            list(APPEND names ${CMAKE_MATCH_2})
        elseif(line MATCHES "^[][A-Za-z_:<>, *&0-9]*[ *&]([A-Za-z_][A-Za-z0-9_]*) *[(={[]")
            list(APPEND names ${CMAKE_MATCH_1})
        endif()
    endforeach()
    set(${result} ${names} PARENT_SCOPE)
endfunction()

# A target of several sources compiles them in batches; a source that
# declares a file-level name an earlier source of the target declares too
# compiles on its own.
function(pelikor_unity_build target)
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    list(LENGTH sources source_count)
    if(source_count LESS 2 OR NOT PELIKOR_UNITY_BATCH)
        return()
    endif()
    get_target_property(source_dir ${target} SOURCE_DIR)
    set(declared "")
    foreach(source ${sources})
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} OUTPUT_VARIABLE path)
        pelikor_file_level_names(${path} names)
        foreach(name ${names})
            if(name IN_LIST declared)
                set_source_files_properties(${path} TARGET_DIRECTORY ${target}
                    PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
                break()
            endif()
        endforeach()
        list(APPEND declared ${names})
    endforeach()
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${PELIKOR_UNITY_BATCH})
endfunction()

function(pelikor_targets_under directory result)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory ${subdirectories})
        pelikor_targets_under(${subdirectory} more)
        list(APPEND targets ${more})
    endforeach()
    set(${result} ${targets} PARENT_SCOPE)
endfunction()

# One small object library per kind makes its header, with the links (and
# so the flags) of that kind; every compiled target of the tree reuses it.
function(pelikor_share_precompiled_headers)
    if(NOT PELIKOR_PRECOMPILED_HEADERS)
        return()
    endif()
    pelikor_targets_under(${PROJECT_SOURCE_DIR} targets)
    set(empty_source ${CMAKE_BINARY_DIR}/precompiled/empty.cpp)
    file(CONFIGURE OUTPUT ${empty_source} CONTENT "")
    set(links_core "")
    # Qt Core's definitions are the ones every Qt target has, and GCC takes
    # a precompiled header only where each definition it was made with is
    # the same; the headers are Qt Widgets'.
    set(links_qt Qt6::Core)
    # A header that stops matching a target's flags would silently cost
    # the time it saves; GCC says so with this warning.
    set(pch_warning -Winvalid-pch)
    set(kinds core qt)
    # At -O2, GCC 12 with GoogleTest's header made ahead warns falsely of
    # array bounds inside std::string; at -Og it does not.
    if(TARGET GTest::gtest AND PELIKOR_TEST_COMPILE_OPTIONS STREQUAL "-Og")
        list(APPEND kinds gtest)
        set(links_gtest GTest::gtest)
        set(options_gtest ${PELIKOR_TEST_COMPILE_OPTIONS})
    endif()
    foreach(kind ${kinds})
        set(producer pelikor_pch_${kind})
        add_library(${producer} OBJECT EXCLUDE_FROM_ALL ${empty_source})
        set_target_properties(${producer} PROPERTIES AUTOMOC OFF)
        target_link_libraries(${producer} PRIVATE ${links_${kind}})
        target_compile_options(${producer} PRIVATE ${pch_warning} ${options_${kind}})
        target_precompile_headers(${producer} PRIVATE ${PELIKOR_PCH_${kind}})
    endforeach()
    target_include_directories(pelikor_pch_qt SYSTEM PRIVATE
        $<TARGET_PROPERTY:Qt6::Widgets,INTERFACE_INCLUDE_DIRECTORIES>)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|MODULE_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY)$"
                OR target MATCHES "^pelikor_pch_")
            continue()
        endif()
        # The cores' GoogleTest sources compile one by one: their test
        # classes derive from fixtures in an anonymous namespace, which GCC
        # warns about (-Wsubobject-linkage) once a source is part of a batch.
        pelikor_pch_kind(${target} kind)
        if(NOT TARGET pelikor_pch_${kind})
            continue()
        elseif(NOT kind STREQUAL "gtest")
            pelikor_unity_build(${target})
        endif()
        target_precompile_headers(${target} REUSE_FROM pelikor_pch_${kind})
        target_compile_options(${target} PRIVATE ${pch_warning})
        # A program's classes for moc live in its sources, which include
        # their own moc output, so the file AUTOMOC makes beside them is
        # empty; loading the Qt header for it took a second or two each.
        if(kind STREQUAL "qt" AND type STREQUAL "EXECUTABLE")
            get_target_property(binary_dir ${target} BINARY_DIR)
            set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
                TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
        endif()
    endforeach()
endfunction()

# AUTOMOC is on for the whole tree, but a target that links no Qt has
# nothing for moc: its scan and its empty file would cost a step each.
function(pelikor_moc_only_for_qt)
    pelikor_targets_under(${PROJECT_SOURCE_DIR} targets)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|MODULE_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY)$")
            pelikor_pch_kind(${target} kind)
            if(NOT kind STREQUAL "qt")
                set_target_properties(${target} PROPERTIES AUTOMOC OFF)
            endif()
        endif()
    endforeach()
endfunction()
