# What a Linux desktop expects beside the game: the menu entry under the
# software centre's id, the software centre's metadata, the manual page, and
# the copyright file and changelog where Debian looks for them. The version
# in them is the project's; the changelog's and the metadata's newest entries
# must name it, so a new version cannot ship with old notes.

# The id names the menu entry's file and the metadata: reverse DNS of the
# project's own address.
set(SWARMFALL_APP_ID example.c_seed_ae2fc320.swarmfall)
set(SWARMFALL_SCREENSHOT_BASE "" CACHE STRING
  "Web address that serves docs/screenshots, for the software centre (empty: no screenshots)")
set(SWARMFALL_DOCUMENTS_BUILT ${CMAKE_BINARY_DIR}/packaging)
set(SWARMFALL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/swarmfall)

file(STRINGS packaging/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^swarmfall \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: the newest entry is not ${PROJECT_VERSION}: ${changelog_top}")
endif()

function(swarmfall_write_metainfo)
  set(TEMPLATE ${CMAKE_SOURCE_DIR}/packaging/swarmfall.metainfo.xml.in)
  set(OUTPUT ${SWARMFALL_DOCUMENTS_BUILT}/${SWARMFALL_APP_ID}.metainfo.xml)
  set(APP_ID ${SWARMFALL_APP_ID})
  set(VERSION ${PROJECT_VERSION})
  set(SCREENSHOT_BASE ${SWARMFALL_SCREENSHOT_BASE})
  include(packaging/metainfo.cmake)
endfunction()
swarmfall_write_metainfo()

# Debian wants the manual page and the changelog compressed at the highest
# level, without a time stamp; the files are small, so configuring does it.
configure_file(packaging/swarmfall.6.in ${SWARMFALL_DOCUMENTS_BUILT}/swarmfall.6 @ONLY)
configure_file(packaging/changelog ${SWARMFALL_DOCUMENTS_BUILT}/changelog COPYONLY)
foreach(document swarmfall.6 changelog)
  execute_process(COMMAND gzip -9nkf ${SWARMFALL_DOCUMENTS_BUILT}/${document} RESULT_VARIABLE gzip_status)
  if(NOT gzip_status EQUAL 0)
    message(FATAL_ERROR "gzip could not compress ${SWARMFALL_DOCUMENTS_BUILT}/${document}")
  endif()
endforeach()

install(FILES packaging/swarmfall.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        RENAME ${SWARMFALL_APP_ID}.desktop)
install(FILES ${SWARMFALL_DOCUMENTS_BUILT}/${SWARMFALL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${SWARMFALL_DOCUMENTS_BUILT}/swarmfall.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/copyright ${SWARMFALL_DOCUMENTS_BUILT}/changelog.gz README.md
        DESTINATION ${SWARMFALL_DOC_DIR})
