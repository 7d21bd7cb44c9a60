# Build checks of the source layout.
#
# Every .cpp in a folder that holds listed sources must itself be listed, so
# a file left out of a list stops the build instead of silently not being
# compiled; in the libraries' folders a header with no .cpp twin is listed
# too, with the library it belongs to. The game rules library (world/, actors/) must not include window,
# OpenGL or audio headers, nor the application folders, and must not link
# their libraries. The flow library must not link them either, nor reach
# their headers or the presentation's through its includes.

set(SWARMFALL_RULES_FOLDERS world actors)
# Libraries the rules and flow libraries may never link, matched against
# target names.
set(SWARMFALL_FORBIDDEN_LINK "^(OpenGL::|OpenAL::|GLEW::|glfw|sfml-|SFML::|GL$|GLU$|openal|X11)")

# All targets defined in `dir` and the folders below it.
function(swarmfall_collect_targets dir out)
  get_property(found DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    swarmfall_collect_targets(${sub} below)
    list(APPEND found ${below})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Stops configuring when `target` or anything it links reaches a forbidden library.
function(swarmfall_check_links target chain)
  get_target_property(links ${target} LINK_LIBRARIES)
  get_target_property(interface_links ${target} INTERFACE_LINK_LIBRARIES)
  foreach(lib ${links} ${interface_links})
    if(lib MATCHES "-NOTFOUND$" OR lib MATCHES "^\\$<")
      continue()
    endif()
    if(lib MATCHES "${SWARMFALL_FORBIDDEN_LINK}")
      message(FATAL_ERROR "${chain} -> ${lib}: this library may not link "
                          "OpenGL, OpenAL, GLEW, GLFW or SFML")
    endif()
    if(TARGET ${lib} AND NOT lib IN_LIST chain)
      swarmfall_check_links(${lib} "${chain} -> ${lib}")
    endif()
  endforeach()
endfunction()

# Writes the sources of `target` to `file`, one absolute path a line.
function(swarmfall_write_sources target file)
  get_target_property(sources ${target} SOURCES)
  get_target_property(target_dir ${target} SOURCE_DIR)
  set(paths "")
  foreach(source ${sources})
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${target_dir})
    list(APPEND paths ${path})
  endforeach()
  string(REPLACE ";" "\n" text "${paths}")
  file(WRITE ${file} "${text}\n")
endfunction()

# Writes every listed source and adds the build-time check under the rules
# and the flow libraries; the presentation's list (its headers, and the
# twins of its .cpp files) tells which headers the flow may not reach.
function(swarmfall_layout_check rules_target flow_target presentation_target)
  swarmfall_check_links(${rules_target} ${rules_target})
  swarmfall_check_links(${flow_target} ${flow_target})
  swarmfall_write_sources(${flow_target} ${CMAKE_BINARY_DIR}/flow_sources.txt)
  swarmfall_write_sources(${presentation_target} ${CMAKE_BINARY_DIR}/presentation_sources.txt)
  swarmfall_collect_targets(${CMAKE_SOURCE_DIR} targets)
  set(listed "")
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY" OR type STREQUAL "UTILITY")
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    get_target_property(target_dir ${target} SOURCE_DIR)
    foreach(source ${sources})
      if(source MATCHES "^\\$<")
        continue()
      endif()
      get_filename_component(path ${source} ABSOLUTE BASE_DIR ${target_dir})
      list(APPEND listed ${path})
    endforeach()
  endforeach()
  # Files built only on another kind of system count as listed.
  get_property(other_system GLOBAL PROPERTY SWARMFALL_OTHER_SYSTEM_SOURCES)
  list(APPEND listed ${other_system})
  list(REMOVE_DUPLICATES listed)
  list(SORT listed)
  string(REPLACE ";" "\n" listed_text "${listed}")
  file(WRITE ${CMAKE_BINARY_DIR}/listed_sources.txt "${listed_text}\n")
  add_custom_target(check_layout ALL
    COMMAND ${CMAKE_COMMAND}
            -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
            -DLISTED=${CMAKE_BINARY_DIR}/listed_sources.txt
            "-DRULES_FOLDERS=${SWARMFALL_RULES_FOLDERS}"
            -DFLOW=${CMAKE_BINARY_DIR}/flow_sources.txt
            -DPRESENTATION=${CMAKE_BINARY_DIR}/presentation_sources.txt
            -P ${CMAKE_SOURCE_DIR}/cmake/check_layout_script.cmake
    COMMENT "Checking source lists and the rules and flow libraries' includes"
    VERBATIM)
  add_dependencies(${rules_target} check_layout)
  add_dependencies(${flow_target} check_layout)
endfunction()
