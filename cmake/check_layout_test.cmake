# The layout check run on a small made-up tree, by ctest:
#   cmake -DSCRIPT=check_layout_script.cmake -DWORK=<folder> -P check_layout_test.cmake
# As made it passes; it fails, naming the file, when a flow file includes a
# header that only the presentation's list names or the twin of a
# presentation .cpp, and when a header with no .cpp twin is in no list.
# WORK is made fresh for each case and removed at the end.
cmake_minimum_required(VERSION 3.16)

set(flow_sources app/flow_part.cpp app/flow_only.h)
set(presentation_sources ui/drawing.cpp ui/drawing_layout.h)

# The tree with the flow file including `flow_include`, and the lists the
# build would write for it.
function(make_tree flow_include)
  file(REMOVE_RECURSE ${WORK})
  file(WRITE ${WORK}/app/flow_part.cpp "#include \"app/flow_part.h\"\n#include \"${flow_include}\"\n")
  foreach(header app/flow_part.h app/flow_only.h ui/drawing.h ui/drawing_layout.h)
    file(WRITE ${WORK}/${header} "#pragma once\n")
  endforeach()
  file(WRITE ${WORK}/ui/drawing.cpp "#include \"ui/drawing.h\"\n#include \"ui/drawing_layout.h\"\n")
  file(WRITE ${WORK}/world/rule.cpp "")
  foreach(kind flow presentation)
    set(${kind}_paths ${${kind}_sources})
    list(TRANSFORM ${kind}_paths PREPEND ${WORK}/)
    string(REPLACE ";" "\n" text "${${kind}_paths}")
    file(WRITE ${WORK}/lists/${kind}.txt "${text}\n")
  endforeach()
  set(listed ${flow_paths} ${presentation_paths} ${WORK}/world/rule.cpp)
  string(REPLACE ";" "\n" text "${listed}")
  file(WRITE ${WORK}/lists/listed.txt "${text}\n")
endfunction()

set(failures "")
# Runs the check; `fault` is the line it must name, empty when it must pass.
function(expect_check case fault)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK} -DLISTED=${WORK}/lists/listed.txt
            -DRULES_FOLDERS=world -DFLOW=${WORK}/lists/flow.txt
            -DPRESENTATION=${WORK}/lists/presentation.txt -P ${SCRIPT}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(fault STREQUAL "" AND NOT result EQUAL 0)
    list(APPEND failures "${case}: the check failed:\n${output}")
  elseif(NOT fault STREQUAL "")
    string(FIND "${output}" "${fault}" at)
    if(result EQUAL 0 OR at EQUAL -1)
      list(APPEND failures "${case}: expected a failure naming \"${fault}\", got:\n${output}")
    endif()
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

make_tree(app/flow_only.h)
expect_check("a flow file including a flow header" "")

make_tree(ui/drawing_layout.h)
expect_check("a flow file including a header the presentation lists"
  "app/flow_part.cpp: #include \"ui/drawing_layout.h\": the flow library may not reach the presentation")

make_tree(ui/drawing.h)
expect_check("a flow file including a presentation .cpp's twin"
  "app/flow_part.cpp: #include \"ui/drawing.h\": the flow library may not reach the presentation")

make_tree(app/flow_only.h)
file(WRITE ${WORK}/ui/stray.h "#pragma once\n")
expect_check("a header in no list" "ui/stray.h: no .cpp twin and not in any CMake source list")

file(REMOVE_RECURSE ${WORK})
if(failures)
  string(REPLACE ";" "\n" text "${failures}")
  message(FATAL_ERROR "${text}")
endif()
message(STATUS "the layout check passes the made-up tree and names each fault put in it")
