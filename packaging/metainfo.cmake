# Writes the software centre's metadata from its template. Runs inside the
# build's configure step and alone with `cmake -P` (the tests use that to
# check the file with screenshots too), so it only reads these variables:
#   TEMPLATE, OUTPUT    the template and the file to write
#   APP_ID, VERSION     the id (the menu entry's file name) and the version
#   SCREENSHOT_BASE     the web address docs/screenshots is served from;
#                       empty leaves the screenshots out, since software
#                       centres take no other kind of address

# The README's pictures, with their captions.
set(screenshot_files ants gate free-camera rescue)
set(screenshot_captions
  "Ants coming down the street in first-person view"
  "First person in the city gate"
  "The free camera over the city"
  "The rescue message")

file(READ "${TEMPLATE}" text)
# The newest release must be the version the program prints.
string(REGEX MATCH "<release version=\"([^\"]*)\"" newest "${text}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "${TEMPLATE}: the newest release is '${CMAKE_MATCH_1}', the project is ${VERSION}")
endif()

set(SWARMFALL_APP_ID ${APP_ID})
set(SWARMFALL_SCREENSHOTS "")
if(SCREENSHOT_BASE)
  string(APPEND SWARMFALL_SCREENSHOTS "  <screenshots>\n")
  foreach(file caption IN ZIP_LISTS screenshot_files screenshot_captions)
    set(type "")
    if(file STREQUAL "ants")
      set(type " type=\"default\"")
    endif()
    string(APPEND SWARMFALL_SCREENSHOTS
      "    <screenshot${type}>\n"
      "      <caption>${caption}</caption>\n"
      "      <image>${SCREENSHOT_BASE}/${file}.png</image>\n"
      "    </screenshot>\n")
  endforeach()
  string(APPEND SWARMFALL_SCREENSHOTS "  </screenshots>")
endif()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
