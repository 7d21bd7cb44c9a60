# Run by the check_layout target: cmake -DSOURCE_DIR=.. -DLISTED=..
# -DRULES_FOLDERS=.. -DFLOW=.. -DPRESENTATION=.. -P check_layout_script.cmake.
# FLOW and PRESENTATION name files listing the sources of those libraries,
# headers included.
# Fails the build naming every file at fault.
cmake_minimum_required(VERSION 3.16)

file(STRINGS ${LISTED} listed)
set(faults "")

# Every folder that holds a listed source lists all of its sources.
set(folders "")
foreach(path ${listed})
  if(path MATCHES "\\.(cpp|c)$" AND path MATCHES "^${SOURCE_DIR}/")
    get_filename_component(folder ${path} DIRECTORY)
    list(APPEND folders ${folder})
  endif()
endforeach()
list(REMOVE_DUPLICATES folders)
foreach(folder ${folders})
  file(GLOB present ${folder}/*.cpp ${folder}/*.c)
  foreach(path ${present})
    if(NOT path IN_LIST listed)
      file(RELATIVE_PATH name ${SOURCE_DIR} ${path})
      list(APPEND faults "${name}: not in any CMake source list")
    endif()
  endforeach()
endforeach()

# Every include line matching `pattern` in the sources of `folder` is a
# fault, explained by `why`.
function(forbid_includes folder pattern why)
  file(GLOB files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(path ${files})
    file(STRINGS ${path} includes REGEX "${pattern}")
    foreach(line ${includes})
      file(RELATIVE_PATH name ${SOURCE_DIR} ${path})
      string(STRIP "${line}" line)
      list(APPEND faults "${name}: ${line}: ${why}")
    endforeach()
  endforeach()
  set(faults "${faults}" PARENT_SCOPE)
endfunction()

# The rules folders include nothing of the window, OpenGL or audio libraries,
# nor anything of the folders built on top of them.
foreach(folder ${RULES_FOLDERS})
  forbid_includes(${folder} "#[ \t]*include[ \t]*(<(GL|GLFW|SFML|AL)/|\"(app|render|ui)/)"
                  "the game rules may not include this")
endforeach()

# world/ sits under actors/: the rules that name actors live there, so the
# two folders never depend on each other both ways.
forbid_includes(world "#[ \t]*include[ \t]*\"actors/" "world/ may not include actors/")

# The libraries' folders list their headers too: a header belongs to the
# library that lists its .cpp twin, and a header with no twin is listed
# itself, so no header's library is left to a guess.
file(STRINGS ${FLOW} flow)
file(STRINGS ${PRESENTATION} presentation)
set(library_folders ${RULES_FOLDERS})
list(TRANSFORM library_folders PREPEND ${SOURCE_DIR}/)
foreach(path ${flow} ${presentation})
  get_filename_component(folder ${path} DIRECTORY)
  list(APPEND library_folders ${folder})
endforeach()
list(REMOVE_DUPLICATES library_folders)
foreach(folder ${library_folders})
  file(GLOB headers ${folder}/*.h)
  foreach(header ${headers})
    string(REGEX REPLACE "\\.h$" ".cpp" twin ${header})
    if(NOT header IN_LIST listed AND NOT twin IN_LIST listed)
      file(RELATIVE_PATH name ${SOURCE_DIR} ${header})
      list(APPEND faults "${name}: no .cpp twin and not in any CMake source list")
    endif()
  endforeach()
endforeach()

# The flow library reaches, however deep its includes go, no header of the
# window, OpenGL or audio libraries and no header of the presentation (one
# its list names, or the twin of one of its .cpp files).
set(presentation_headers "")
foreach(path ${presentation})
  string(REGEX REPLACE "\\.cpp$" ".h" header ${path})
  list(APPEND presentation_headers ${header})
endforeach()
set(queue ${flow})
set(seen "")
while(queue)
  list(POP_FRONT queue path)
  if(path IN_LIST seen)
    continue()
  endif()
  list(APPEND seen ${path})
  file(RELATIVE_PATH name ${SOURCE_DIR} ${path})
  file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${includes})
    string(STRIP "${line}" line)
    if(line MATCHES "<(GL|GLFW|SFML|AL)/")
      list(APPEND faults "${name}: ${line}: the flow library may not reach this")
    elseif(line MATCHES "\"([^\"]+)\"")
      set(header ${SOURCE_DIR}/${CMAKE_MATCH_1})
      if(header IN_LIST presentation_headers)
        list(APPEND faults "${name}: ${line}: the flow library may not reach the presentation")
      elseif(EXISTS ${header})
        list(APPEND queue ${header})
      endif()
    endif()
  endforeach()
endwhile()

if(faults)
  string(REPLACE ";" "\n  " text "${faults}")
  message(FATAL_ERROR "Source layout:\n  ${text}")
endif()
