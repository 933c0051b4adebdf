# pelikor_gtest(<name> SOURCES <files...> LIBS <targets...>)
#   A GoogleTest executable for the Qt-free core, registered with CTest.
# pelikor_qtest(<name> SOURCES <files...> LIBS <targets...>)
#   A QtTest executable for widgets and windows, run on the offscreen platform.
# pelikor_xtest(<name> SOURCES <files...> LIBS <targets...>)
#   A QtTest executable for what only a real X server shows (window masks,
#   window positions, the pointer on the screen), run under an Xvfb of its
#   own.
# pelikor_xtest_under_window_manager(<name> <window manager>)
#   Runs an X server test a second time, as <name>_<window manager>, under
#   that window manager, which the test itself starts on its display
#   (PELIKOR_XTEST_MAIN in tests/support/TestWindowManager.h).
# All run with the build's application folder as PELIKOR_TEST_APP_DIR, in
# the program's own language whatever the desktop's (a test that wants
# another one sets it).
set(PELIKOR_TEST_LANGUAGE "LANGUAGE=;LC_ALL=;LC_MESSAGES=;LANG=C.UTF-8")

# The X server a test runs on: one of its own, with a screen of 1280 x 1024,
# which may run beside the others.
set(PELIKOR_XVFB_RUN ${PROJECT_SOURCE_DIR}/tests/support/run-on-xvfb)

# Where the tests of windows, of the whole program and the benchmarks make
# their folders: in memory, where the system has a memory file system,
# since their files are set-up only and a disk would hold them up at every
# durable write. The cores' tests, which try the files themselves, keep the
# system's temporary folder on its disk.
execute_process(COMMAND test -w /dev/shm -a -x /dev/shm RESULT_VARIABLE PELIKOR_NO_MEMORY_FOLDER)
if(PELIKOR_NO_MEMORY_FOLDER EQUAL 0)
    set(PELIKOR_MEMORY_TMPDIR TMPDIR=/dev/shm)
else()
    set(PELIKOR_MEMORY_TMPDIR "")
endif()

function(pelikor_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    if(NOT TARGET GTest::gtest)
        find_package(GTest REQUIRED)
    endif()
    pelikor_test_executable(${name} "${ARG_SOURCES}" "${ARG_LIBS};GTest::gtest;GTest::gtest_main" "")
endfunction()

# Qt's package scripts take a second or more each time they are run.
macro(pelikor_find_qt_test)
    if(NOT TARGET Qt6::Test)
        find_package(Qt6 REQUIRED COMPONENTS Test)
    endif()
endmacro()

function(pelikor_qtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    pelikor_find_qt_test()
    pelikor_test_executable(${name} "${ARG_SOURCES}" "${ARG_LIBS};Qt6::Test;Qt6::Widgets"
        "QT_QPA_PLATFORM=offscreen;${PELIKOR_MEMORY_TMPDIR}")
endfunction()

function(pelikor_xtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    pelikor_find_qt_test()
    pelikor_test_executable(${name} "${ARG_SOURCES}" "${ARG_LIBS};Qt6::Test;Qt6::Widgets"
        "QT_QPA_PLATFORM=xcb;${PELIKOR_MEMORY_TMPDIR}" ${PELIKOR_XVFB_RUN})
endfunction()

function(pelikor_xtest_under_window_manager name manager)
    get_test_property(${name} ENVIRONMENT environment)
    add_test(NAME ${name}_${manager} COMMAND ${PELIKOR_XVFB_RUN} $<TARGET_FILE:${name}>)
    set_tests_properties(${name}_${manager} PROPERTIES TIMEOUT 600
        ENVIRONMENT "${environment};PELIKOR_TEST_WINDOW_MANAGER=${manager}")
endfunction()

# The tests that take longest, each with its seconds on two cores: `ctest -j`
# starts the costliest first, so that neither core is left at the end with
# a long test started last. Once ctest has timed a run in a build folder it
# goes by those times.
set(PELIKOR_TEST_COSTS
    installed_xtest 19 scores_core_test 15 copies_xtest 14 new_game_test 9.5 profile_file_test 8
    orca_test 8 monitor_property_test 7 main_window_test 6 install_test 6 autopkgtest_xtest 6
    play_aids_test 5.5 atspi_test 5.5 best_finish_test 5.5 best_finish_bench_runs 4 end_dialogs_test 4
    remainder_test 3)

function(pelikor_test_cost name)
    list(FIND PELIKOR_TEST_COSTS ${name} at)
    if(at GREATER -1)
        math(EXPR at "${at} + 1")
        list(GET PELIKOR_TEST_COSTS ${at} cost)
        set_tests_properties(${name} PROPERTIES COST ${cost})
    endif()
endfunction()

# What every kind of test shares: one timeout and the application folder,
# whatever framework it is written with; the arguments after `environment`
# start the test program.
function(pelikor_test_executable name sources libs environment)
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${libs})
    add_test(NAME ${name} COMMAND ${ARGN} $<TARGET_FILE:${name}>)
    # Unquoted, the list loses an empty memory folder.
    set(environment ${environment} PELIKOR_TEST_APP_DIR=${PELIKOR_APP_DIR} ${PELIKOR_TEST_LANGUAGE})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600 ENVIRONMENT "${environment}")
    pelikor_test_cost(${name})
endfunction()

# pelikor_benchmark(<name> SOURCES <files...> LIBS <targets...> [ONCE_FILTER <regex>])
#   ONCE_FILTER: the benchmarks its run among the tests runs, when the
#   others only repeat them on larger tables.
function(pelikor_benchmark name)
    cmake_parse_arguments(ARG "" "ONCE_FILTER" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
    set_property(GLOBAL APPEND PROPERTY PELIKOR_BENCHMARK_TARGETS ${name})
    # Each benchmark also runs once among the tests, so that one that no
    # longer starts on today's program is found before anyone measures.
    if(BUILD_TESTING)
        set(runner "")
        set(platform offscreen)
        if(name MATCHES "_xbench$")
            set(runner ${PELIKOR_XVFB_RUN})
            set(platform xcb)
        endif()
        set(filter "")
        if(ARG_ONCE_FILTER)
            set(filter --benchmark_filter=${ARG_ONCE_FILTER})
        endif()
        add_test(NAME ${name}_runs COMMAND ${runner} $<TARGET_FILE:${name}> --benchmark_min_time=0.001 ${filter})
        set(environment QT_QPA_PLATFORM=${platform} PELIKOR_TEST_APP_DIR=${PELIKOR_APP_DIR} PELIKOR_BENCHMARK_ONCE=1
            ${PELIKOR_MEMORY_TMPDIR})
        set_tests_properties(${name}_runs PROPERTIES TIMEOUT 600 LABELS benchmark ENVIRONMENT "${environment}")
        pelikor_test_cost(${name}_runs)
    endif()
endfunction()

# pelikor_add_folders(<folders...>): adds each folder of the current source
# directory that has a CMakeLists.txt, so a folder joins the build by itself.
macro(pelikor_add_folders)
    foreach(folder ${ARGN})
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/CMakeLists.txt)
            add_subdirectory(${folder})
        endif()
    endforeach()
endmacro()
