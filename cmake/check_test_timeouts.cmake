# Fails, naming them, when any test registered in the build folder BUILD has
# no time limit of its own (ctest would give it 25 minutes).
# cmake -DCTEST=<ctest> -DBUILD=<build folder> -P check_test_timeouts.cmake
execute_process(COMMAND ${CTEST} --test-dir ${BUILD} --show-only=json-v1
  OUTPUT_VARIABLE listing RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "ctest could not list the tests: ${errors}")
endif()
# Each test's own object is taken once: parsing the whole listing again for
# every field would take minutes.
string(JSON tests GET "${listing}" tests)
string(JSON count LENGTH "${tests}")
if(count EQUAL 0)
  message(FATAL_ERROR "no tests listed in ${BUILD}")
endif()
set(missing "")
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON test GET "${tests}" ${i})
  string(JSON name GET "${test}" name)
  string(JSON properties ERROR_VARIABLE no_properties GET "${test}" properties)
  # A property list is plain JSON: a TIMEOUT entry shows as its name.
  if(no_properties OR NOT properties MATCHES "\"name\" *: *\"TIMEOUT\"")
    list(APPEND missing ${name})
  endif()
endforeach()
if(missing)
  list(LENGTH missing missing_count)
  string(REPLACE ";" ", " missing_text "${missing}")
  message(FATAL_ERROR "${missing_count} of ${count} tests have no TIMEOUT: ${missing_text}")
endif()
message(STATUS "all ${count} tests have a time limit")
