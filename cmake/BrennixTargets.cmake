# Shared settings for every target of the project.

add_library(brennix_options INTERFACE)
target_compile_options(brennix_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  -Wcast-align -Wnull-dereference -Wformat=2)
# GCC 12 reports std::string copies as overlapping at -O2 and above (a known
# false positive); keep the optimised builds clean of it.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(brennix_options INTERFACE -Wno-restrict)
endif()
# GCC's -Wnull-dereference at -O2 and above reports paths inlined from the
# standard library (shared_ptr, string, streambuf) that cannot run; clang's
# optimised build keeps the check.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(brennix_options INTERFACE
    $<$<NOT:$<CONFIG:Debug>>:-Wno-null-dereference>)
endif()
# clang calls a lambda capture unused when only a branch that `if constexpr`
# discards for some types uses it (the member tables' bounds check).
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  target_compile_options(brennix_options INTERFACE -Wno-unused-lambda-capture)
endif()
if(BRENNIX_WERROR)
  target_compile_options(brennix_options INTERFACE -Werror)
endif()
if(BRENNIX_SANITIZE)
  target_compile_options(brennix_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
    # The standard library's own checks (std::clamp bounds, indexes) as well.
    -D_GLIBCXX_ASSERTIONS)
  target_link_options(brennix_options INTERFACE -fsanitize=address,undefined)
endif()
if(BRENNIX_FUZZ)
  # Coverage for libFuzzer in every library; only the fuzz targets link its main.
  target_compile_options(brennix_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS)
  target_link_options(brennix_options INTERFACE -fsanitize=address,undefined)
endif()
# Sources include each other by their path from the repository root.
target_include_directories(brennix_options INTERFACE ${PROJECT_SOURCE_DIR})

# brennix_library(NAME SHARED|STATIC SOURCES ... [LIBS ...])
function(brennix_library name kind)
  cmake_parse_arguments(ARG "" "OUTPUT_NAME" "SOURCES;LIBS" ${ARGN})
  add_library(${name} ${kind} ${ARG_SOURCES})
  # The options (warnings, -Werror) reach only our own targets: installing
  # drops them from what a library passes on (BrennixInstall.cmake).
  target_link_libraries(${name} PUBLIC brennix_options ${ARG_LIBS})
  # The headers beside the sources, for the installed include tree.
  set_target_properties(${name} PROPERTIES BRENNIX_HEADER_DIRS ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_OUTPUT_NAME)
    set_target_properties(${name} PROPERTIES OUTPUT_NAME ${ARG_OUTPUT_NAME})
  endif()
  # A shared library with unresolved symbols must fail at link time, not
  # when a host loads it.
  # (Under the fuzzer the sanitizer runtimes are in the program, not here.)
  if(kind STREQUAL "SHARED" AND NOT BRENNIX_FUZZ)
    target_link_options(${name} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()

# brennix_test(NAME SOURCES ... [LIBS ...])
# One GoogleTest binary per topic folder; every case becomes a ctest test.
function(brennix_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE brennix_options ${ARG_LIBS} GTest::gtest GTest::gmock
                                        GTest::gtest_main)
  # Tests may draw on the recording canvas, which the shipped libraries leave out.
  target_link_libraries(${name} PRIVATE brennix_gfx_recording)
  # Parameterized cases are named by their name generators (or index), never
  # by the printed parameter, whose bytes may differ from build to build.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "BRENNIX_TEST=1")
endfunction()
