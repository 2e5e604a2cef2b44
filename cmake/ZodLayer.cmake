# The headers the Qt-using layers and their tests include most, compiled once per target so
# that every source file does not parse them again.
set(ZOD_QT_PCH <QWidget> <QString> <QObject> <QPainter> <QImage> <QEvent> <QPointer>
    <functional> <map> <memory> <string> <vector>)

# A layer is one static library made of the sources in its folder and the sub-folders named
# in SUBDIRS, or with RECURSE in every sub-folder (otherwise sub-folders are layers of their
# own). Globbing lets a new file, or with RECURSE a new sub-folder, join its layer without edits.
# QT_PCH: the layer uses Qt and gets the precompiled headers above.
function(zod_layer target)
  cmake_parse_arguments(ARG "RECURSE;QT_PCH" "" "LINK;SUBDIRS" ${ARGN})
  set(patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(dir ${ARG_SUBDIRS})
    list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  endforeach()
  if(ARG_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${patterns})
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  endif()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_link_libraries(${target} PUBLIC ${ARG_LINK})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    if(ARG_QT_PCH)
      target_precompile_headers(${target} PRIVATE ${ZOD_QT_PCH})
    endif()
  else()
    # A layer with headers only (or none yet) still carries its dependencies.
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE ${ARG_LINK})
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
  endif()
endfunction()

# One GoogleTest program per test folder (sub-folders included), linking the layer under test.
# QT: the program runs with one QApplication (tests/support/QtTestMain.cpp).
function(zod_test_folder name)
  cmake_parse_arguments(ARG "QT" "" "LINK" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  if(ARG_QT)
    add_executable(${name} ${sources} ${PROJECT_SOURCE_DIR}/tests/support/QtTestMain.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_LINK} Qt6::Widgets GTest::gtest GTest::gmock)
    target_precompile_headers(${name} PRIVATE ${ZOD_QT_PCH} <gtest/gtest.h>)
  else()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARG_LINK} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  # The folders come from a generated source (tests/support/TestPaths.h), so that no compile line
  # names this checkout and the compiler cache shares the test objects between checkouts.
  target_compile_options(${name} PRIVATE -include tests/support/TestPaths.h)
  target_link_libraries(${name} PRIVATE zod_test_paths)
  # The environment goes through `env`: gtest_discover_tests flattens a list-valued ENVIRONMENT
  # property, so only its first variable would reach the tests.
  set(environment "env;TZ=America/Chicago;LC_ALL=C")
  if(ARG_QT AND ZOD_GUI_TESTS_ON_X)
    set(emulator "${PROJECT_SOURCE_DIR}/tools/xvfb-test;${environment}")
  else()
    set(emulator "${environment};QT_QPA_PLATFORM=offscreen")
  endif()
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${emulator}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()
