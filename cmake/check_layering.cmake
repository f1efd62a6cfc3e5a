# The layering of the hardware path, checked as a test. Arrows point down only:
#   daq -> drivers -> outside interfaces, platform/hw and platform/ui;
#   simulator -> outside interfaces and platform/hw.
#
# Includes: cmake -DCHECK=includes -DROOT=<dir> -DLAYER=<folder> -DALLOWED=<prefixes> -P this
#   Every quoted include of a source under ROOT/LAYER must start with one of
#   the allowed prefixes.
# Links:    cmake -DCHECK=links -DLIBRARIES=<files> -DFORBIDDEN=<regexes> -P this
#   No library may load, even indirectly, a library whose name matches.

if(CHECK STREQUAL "includes")
  file(GLOB_RECURSE sources "${ROOT}/${LAYER}/*.h" "${ROOT}/${LAYER}/*.cpp")
  if(NOT sources)
    message(FATAL_ERROR "no sources under ${ROOT}/${LAYER}")
  endif()
  set(violations "")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]*)\".*" "\\1" path "${line}")
      set(allowed FALSE)
      foreach(prefix IN LISTS ALLOWED)
        string(FIND "${path}" "${prefix}" at)
        if(at EQUAL 0)
          set(allowed TRUE)
        endif()
      endforeach()
      if(NOT allowed)
        file(RELATIVE_PATH shown "${ROOT}" "${source}")
        list(APPEND violations "${shown} includes ${path}")
      endif()
    endforeach()
  endforeach()
  if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "${LAYER} reaches above or beside itself:\n  ${text}")
  endif()
elseif(CHECK STREQUAL "links")
  foreach(library IN LISTS LIBRARIES)
    if(NOT EXISTS "${library}")
      message(FATAL_ERROR "no library ${library}")
    endif()
    file(GET_RUNTIME_DEPENDENCIES LIBRARIES "${library}"
         RESOLVED_DEPENDENCIES_VAR resolved UNRESOLVED_DEPENDENCIES_VAR unresolved)
    foreach(dependency IN LISTS resolved unresolved)
      get_filename_component(name "${dependency}" NAME)
      foreach(pattern IN LISTS FORBIDDEN)
        if(name MATCHES "${pattern}")
          get_filename_component(shown "${library}" NAME)
          # Named without their versions: libbrennix_com.so.0.1.0 is libbrennix_com.so.
          string(REGEX REPLACE "\\.so(\\.[0-9]+)+$" ".so" shown "${shown}")
          string(REGEX REPLACE "\\.so(\\.[0-9]+)+$" ".so" name "${name}")
          message(FATAL_ERROR "${shown} loads ${name}")
        endif()
      endforeach()
    endforeach()
  endforeach()
else()
  message(FATAL_ERROR "CHECK must be includes or links")
endif()
