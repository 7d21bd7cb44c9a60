# Where an installed game puts its files: the executable in bin/, the assets
# in share/swarmfall/, plus icons for the desktop; the menu entry and the
# documents come from documents.cmake.
include(GNUInstallDirs)

set(SWARMFALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/swarmfall)
install(TARGETS swarmfall RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY shaders model texture sounds DESTINATION ${SWARMFALL_DATA_DIR})
foreach(size 32 64 128 256)
  install(FILES packaging/icons/swarmfall-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME swarmfall.png)
endforeach()
include(packaging/documents.cmake)

# The game finds its data from its own real path, so the installed tree can
# be moved as a whole: only the way from bin/ to the data folder is built in.
file(RELATIVE_PATH data_from_bin /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${SWARMFALL_DATA_DIR})
set_property(SOURCE app/asset_lookup.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS SWARMFALL_DATA_FROM_BIN="${data_from_bin}")
