# Installing the libraries for other programs: a public include tree,
# namespaced targets exported for find_package(Brennix), one pkg-config file
# per library, and rpaths that hold from the install prefix.
#
# A CMakeLists installs a library with one line after defining it:
#   brennix_install_library(brennix_trendwick)
# Its headers, and those of the static parts linked into it, land under
# include/brennix with the spelling our sources use ("chart/control/chart_ctrl.h").
# The static parts themselves are not installed: they are inside the shared
# library, so the installed target lists only the shared libraries below it.

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(BRENNIX_INCLUDE_ROOT ${CMAKE_INSTALL_INCLUDEDIR}/brennix)
set(BRENNIX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Brennix)
# 0.x: a new minor version may change what the libraries export, so the
# soname carries major and minor (libtrendwick.so.0.1).
set(BRENNIX_SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})

# brennix_install_library(TARGET [EXPORT_NAME name] [QT] [HEADER_ROOT dir])
#   EXPORT_NAME  the name after Brennix:: (default: TARGET without "brennix_")
#   QT           part of the Qt export set, loaded when Qt 6 is found
#   HEADER_ROOT  the folder the headers are spelled from (default: the
#                repository root; drivers/outside has an include/ of its own)
function(brennix_install_library target)
  cmake_parse_arguments(ARG "QT" "EXPORT_NAME;HEADER_ROOT" "" ${ARGN})
  if(NOT ARG_EXPORT_NAME)
    string(REGEX REPLACE "^brennix_" "" ARG_EXPORT_NAME ${target})
  endif()
  set(set_name Brennix)
  if(ARG_QT)
    set(set_name BrennixQt)
  endif()
  if(ARG_HEADER_ROOT)
    set(root ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_HEADER_ROOT})
    set_target_properties(${target} PROPERTIES BRENNIX_HEADER_DIRS ${root})
    set_property(GLOBAL APPEND PROPERTY BRENNIX_HEADER_ROOTS ${root})
  endif()
  set_target_properties(${target} PROPERTIES
    EXPORT_NAME ${ARG_EXPORT_NAME}
    BRENNIX_EXPORT_SET ${set_name})
  get_target_property(kind ${target} TYPE)
  if(NOT kind STREQUAL "INTERFACE_LIBRARY")
    # Libraries find the libraries beside them, wherever the prefix is.
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
  endif()
  get_target_property(folder ${target} SOURCE_DIR)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${folder})
  # The board drivers and the stand-ins for the outside libraries are found by
  # the names the board catalogue and the outside interface give them, so
  # they keep those. Every other library carries the version in its soname;
  # the unversioned name stays as a link beside it, in the build and in the
  # install, for what loads a library by name (lib<name>.so).
  set(fixed_name "^(drivers/(vexa|olmi|senu|dorv)|simulator/outside)$")
  if(kind STREQUAL "SHARED_LIBRARY" AND NOT folder MATCHES "${fixed_name}")
    set_target_properties(${target} PROPERTIES
      VERSION ${PROJECT_VERSION}
      SOVERSION ${BRENNIX_SOVERSION})
  endif()
  install(TARGETS ${target} EXPORT ${set_name}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set_property(GLOBAL APPEND PROPERTY BRENNIX_INSTALLED ${target})
  set_property(GLOBAL APPEND PROPERTY BRENNIX_EXPORT_SETS ${set_name})
endfunction()

# brennix_install_program(TARGET [LIBRARIES lib...]): a program in bin/ that
# finds the libraries in lib/; LIBRARIES are shared libraries of its own it
# loads at run time (they go to lib/ beside the others).
function(brennix_install_program target)
  cmake_parse_arguments(ARG "" "" "LIBRARIES" ${ARGN})
  set_target_properties(${target} PROPERTIES
    INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  foreach(lib IN LISTS ARG_LIBRARIES)
    set_target_properties(${lib} PROPERTIES INSTALL_RPATH "$ORIGIN")
    install(TARGETS ${lib} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  endforeach()
endfunction()

# brennix_install_plugin(TARGET FOLDER): a Qt plugin, under the prefix's Qt
# plugin folder (QT_PLUGIN_PATH=<prefix>/lib/qt6/plugins), finding our
# libraries three folders up.
function(brennix_install_plugin target folder)
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/../../..")
  install(TARGETS ${target} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/qt6/plugins/${folder})
endfunction()

# What an installed target passes on to a consumer, from what it links in
# the build: installed libraries by their exported names, the static and
# interface parts of our own flattened into what they link, Qt kept (its
# headers are part of the host's), everything else private to the library.
function(_brennix_install_interface item out_links out_headers)
  set(links)
  set(headers)
  if(item MATCHES "^Qt6::")
    # Qt's imported targets are seen only below qt/, not where this runs.
    list(APPEND links ${item})
  elseif(item MATCHES "^\\$<" OR NOT TARGET ${item})
    # Generator expressions (our build options, link-only parts) and plain
    # system libraries are for linking the library itself.
  else()
    get_target_property(aliased ${item} ALIASED_TARGET)
    if(aliased)
      set(item ${aliased})
    endif()
    get_target_property(imported ${item} IMPORTED)
    get_property(installed GLOBAL PROPERTY BRENNIX_INSTALLED)
    if(imported)
      if(item MATCHES "^Qt6::")
        list(APPEND links ${item})
      endif()
    elseif(item IN_LIST installed)
      get_target_property(name ${item} EXPORT_NAME)
      list(APPEND links Brennix::${name})
    else()
      get_target_property(kind ${item} TYPE)
      if(kind STREQUAL "SHARED_LIBRARY" OR kind STREQUAL "MODULE_LIBRARY")
        message(FATAL_ERROR "${item} is a shared library that an installed library links; "
                            "install it with brennix_install_library()")
      endif()
      get_target_property(dirs ${item} BRENNIX_HEADER_DIRS)
      if(dirs)
        list(APPEND headers ${dirs})
      endif()
      get_target_property(below ${item} INTERFACE_LINK_LIBRARIES)
      if(below)
        foreach(next IN LISTS below)
          _brennix_install_interface("${next}" next_links next_headers)
          list(APPEND links ${next_links})
          list(APPEND headers ${next_headers})
        endforeach()
      endif()
    endif()
  endif()
  list(REMOVE_DUPLICATES links)
  set(${out_links} ${links} PARENT_SCOPE)
  set(${out_headers} ${headers} PARENT_SCOPE)
endfunction()

function(_brennix_write_pkgconfig target links)
  get_target_property(name ${target} EXPORT_NAME)
  get_target_property(kind ${target} TYPE)
  set(requires)
  foreach(link IN LISTS links)
    if(link MATCHES "^Brennix::(.*)$")
      list(APPEND requires brennix-${CMAKE_MATCH_1})
    elseif(link MATCHES "^Qt6::(.*)$")
      list(APPEND requires Qt6${CMAKE_MATCH_1})
    endif()
  endforeach()
  list(JOIN requires " " requires)
  set(libs "")
  if(NOT kind STREQUAL "INTERFACE_LIBRARY")
    get_target_property(output ${target} OUTPUT_NAME)
    if(NOT output)
      set(output ${target})
    endif()
    set(libs "-L\${libdir} -l${output}")
  endif()
  # Relative to the file, so that an install with --prefix elsewhere holds.
  file(RELATIVE_PATH up /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
  string(REGEX REPLACE "/$" "" up "${up}")
  set(file ${PROJECT_BINARY_DIR}/pkgconfig/brennix-${name}.pc)
  file(GENERATE OUTPUT ${file} CONTENT
"prefix=\${pcfiledir}/${up}
libdir=\${prefix}/${CMAKE_INSTALL_LIBDIR}
includedir=\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}

Name: brennix-${name}
Description: Brennix measurement controls: ${name}
Version: ${PROJECT_VERSION}
Requires: ${requires}
Libs: ${libs}
Cflags: -I\${includedir}/brennix -std=c++20
")
  install(FILES ${file} DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endfunction()

# Run once all targets exist: their link interfaces are complete by then.
function(_brennix_install_finish)
  get_property(installed GLOBAL PROPERTY BRENNIX_INSTALLED)
  set(header_dirs)
  foreach(target IN LISTS installed)
    get_target_property(own ${target} BRENNIX_HEADER_DIRS)
    if(own)
      list(APPEND header_dirs ${own})
    endif()
    get_target_property(original ${target} INTERFACE_LINK_LIBRARIES)
    set(build_links)
    set(install_links)
    if(original)
      foreach(item IN LISTS original)
        list(APPEND build_links "$<BUILD_INTERFACE:${item}>")
        _brennix_install_interface("${item}" links headers)
        list(APPEND install_links ${links})
        list(APPEND header_dirs ${headers})
      endforeach()
    endif()
    list(REMOVE_DUPLICATES install_links)
    set(interface ${build_links})
    foreach(link IN LISTS install_links)
      list(APPEND interface "$<INSTALL_INTERFACE:${link}>")
    endforeach()
    set_target_properties(${target} PROPERTIES INTERFACE_LINK_LIBRARIES "${interface}")
    # Source folders are the build's include roots; the installed tree has one.
    get_target_property(includes ${target} INTERFACE_INCLUDE_DIRECTORIES)
    set(wrapped)
    if(includes)
      foreach(dir IN LISTS includes)
        list(APPEND wrapped "$<BUILD_INTERFACE:${dir}>")
      endforeach()
    endif()
    list(APPEND wrapped "$<INSTALL_INTERFACE:${BRENNIX_INCLUDE_ROOT}>")
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${wrapped}")
    target_compile_features(${target} INTERFACE cxx_std_20)
    _brennix_write_pkgconfig(${target} "${install_links}")
  endforeach()

  # Each folder's headers once, below the include root in their spelling;
  # a folder inside another one already installed is covered by it.
  list(REMOVE_DUPLICATES header_dirs)
  foreach(dir IN LISTS header_dirs)
    set(covered FALSE)
    foreach(other IN LISTS header_dirs)
      if(NOT other STREQUAL dir AND dir MATCHES "^${other}/")
        set(covered TRUE)
      endif()
    endforeach()
    if(covered)
      continue()
    endif()
    get_property(roots GLOBAL PROPERTY BRENNIX_HEADER_ROOTS)
    if(dir IN_LIST roots)
      set(destination ${BRENNIX_INCLUDE_ROOT})
    else()
      file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${dir})
      set(destination ${BRENNIX_INCLUDE_ROOT}/${relative})
    endif()
    install(DIRECTORY ${dir}/ DESTINATION ${destination} FILES_MATCHING PATTERN "*.h")
  endforeach()

  get_property(sets GLOBAL PROPERTY BRENNIX_EXPORT_SETS)
  list(REMOVE_DUPLICATES sets)
  foreach(set_name IN LISTS sets)
    install(EXPORT ${set_name} NAMESPACE Brennix:: FILE ${set_name}Targets.cmake
            DESTINATION ${BRENNIX_CMAKE_DIR})
  endforeach()
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/BrennixConfig.cmake.in
    ${PROJECT_BINARY_DIR}/BrennixConfig.cmake INSTALL_DESTINATION ${BRENNIX_CMAKE_DIR})
  # 0.x: a new minor version may change what the libraries export.
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/BrennixConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/BrennixConfig.cmake
                ${PROJECT_BINARY_DIR}/BrennixConfigVersion.cmake
          DESTINATION ${BRENNIX_CMAKE_DIR})
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL _brennix_install_finish)
