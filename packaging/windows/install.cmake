# What the Windows packages hold, in one folder as a Windows player expects
# it: the game, its data beside it (where it looks first), the DLLs it loads
# that are not part of Windows, its icon, the README and the licence texts
# of everything it ships, as text files with Windows line ends. The zip and
# the installer (packaging/windows/make_packages.sh) take this folder as
# `cmake --install` lays it out.
set(SWARMFALL_WINDOWS_BUILT ${CMAKE_BINARY_DIR}/packaging/windows)
file(MAKE_DIRECTORY ${SWARMFALL_WINDOWS_BUILT}/licences)

install(TARGETS swarmfall RUNTIME DESTINATION .)
install(DIRECTORY shaders model texture sounds DESTINATION .)

# The Windows libraries' folder (scripts/windows-deps), with the licence
# texts of their sources and the record of their versions.
if(NOT EXISTS "${SWARMFALL_WINDOWS_DEPS}/versions.txt")
  message(FATAL_ERROR "SWARMFALL_WINDOWS_DEPS names no folder of Windows libraries: build through `make windows`")
endif()

# swarmfall_windows_text(SOURCE NAME): SOURCE as NAME in the build's folder
# with CRLF line ends (Notepad before 2018 shows LF files as one line).
function(swarmfall_windows_text source name)
  if(NOT EXISTS ${source})
    message(FATAL_ERROR "Missing for the Windows packages: ${source}")
  endif()
  file(READ ${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${SWARMFALL_WINDOWS_BUILT}/${name} "${text}")
endfunction()

swarmfall_windows_text(${CMAKE_SOURCE_DIR}/README.md README.txt)
install(FILES ${SWARMFALL_WINDOWS_BUILT}/README.txt DESTINATION .)

# Each shipped library's Debian copyright file, from the source tree it was
# built from (zlib, BSD and MIT texts in full); the LGPL versions that
# OpenAL Soft's file names (2 and 2.1, or later), in full; the MinGW-w64 runtime and GCC's runtime library
# exception, linked into the executable; GLM, compiled in; the game's own.
set(licences
  "${SWARMFALL_WINDOWS_DEPS}/licences/glfw3.copyright|GLFW.txt"
  "${SWARMFALL_WINDOWS_DEPS}/licences/glew.copyright|GLEW.txt"
  "${SWARMFALL_WINDOWS_DEPS}/licences/libsfml.copyright|SFML.txt"
  "${SWARMFALL_WINDOWS_DEPS}/licences/openal-soft.copyright|OpenAL-Soft.txt"
  "${SWARMFALL_WINDOWS_DEPS}/licences/libogg.copyright|Ogg.txt"
  "${SWARMFALL_WINDOWS_DEPS}/licences/libvorbis.copyright|Vorbis.txt"
  "${SWARMFALL_WINDOWS_DEPS}/licences/flac.copyright|FLAC.txt"
  "/usr/share/common-licenses/LGPL-2|LGPL-2.txt"
  "/usr/share/common-licenses/LGPL-2.1|LGPL-2.1.txt"
  "/usr/share/doc/libglm-dev/copyright|GLM.txt"
  "/usr/share/doc/mingw-w64-x86-64-dev/copyright|MinGW-w64-runtime.txt"
  "/usr/share/doc/gcc-mingw-w64-base/copyright|GCC-runtime.txt"
  "${CMAKE_SOURCE_DIR}/packaging/copyright|Swarmfall.txt")
foreach(entry ${licences})
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 source)
  list(GET entry 1 name)
  swarmfall_windows_text(${source} licences/${name})
endforeach()
include(packaging/windows/sources_note.cmake)
install(DIRECTORY ${SWARMFALL_WINDOWS_BUILT}/licences/ DESTINATION licences)

# The icon of the Start-menu entry, the installer and Apps & features, made
# from the game's own icon sizes.
find_program(SWARMFALL_CONVERT convert REQUIRED)
set(SWARMFALL_ICO ${SWARMFALL_WINDOWS_BUILT}/swarmfall.ico)
set(icon_pngs "")
foreach(size 32 64 128 256)
  list(APPEND icon_pngs ${CMAKE_SOURCE_DIR}/packaging/icons/swarmfall-${size}.png)
endforeach()
add_custom_command(OUTPUT ${SWARMFALL_ICO}
  COMMAND ${SWARMFALL_CONVERT} ${icon_pngs} ${SWARMFALL_ICO}
  DEPENDS ${icon_pngs}
  COMMENT "Making swarmfall.ico")
add_custom_target(swarmfall_icon ALL DEPENDS ${SWARMFALL_ICO})
install(FILES ${SWARMFALL_ICO} DESTINATION .)

# The DLLs the game loads that Windows does not have (OpenAL32.dll: the rest
# is linked in), found from its import table in the libraries' folder. A DLL
# found nowhere and not on the list of Windows' own stops the install, so a
# package never lacks one.
set(SWARMFALL_WINDOWS_SYSTEM_DLLS
  kernel32.dll user32.dll gdi32.dll shell32.dll ole32.dll oleaut32.dll advapi32.dll
  msvcrt.dll opengl32.dll winmm.dll avrt.dll imm32.dll version.dll shlwapi.dll
  setupapi.dll ws2_32.dll dinput8.dll)
set(runtime_code [[
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "@CMAKE_OBJDUMP@")
  file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES "$<TARGET_FILE:swarmfall>"
    DIRECTORIES "@SWARMFALL_WINDOWS_DEPS@/bin"
    RESOLVED_DEPENDENCIES_VAR shipped
    UNRESOLVED_DEPENDENCIES_VAR unresolved)
  set(windows_own "@SWARMFALL_WINDOWS_SYSTEM_DLLS@")
  foreach(dll ${unresolved})
    string(TOLOWER "${dll}" lower)
    if(NOT lower IN_LIST windows_own AND NOT lower MATCHES "^(api|ext)-ms-")
      message(FATAL_ERROR "swarmfall.exe needs ${dll}, found neither among the built libraries nor in Windows")
    endif()
  endforeach()
  file(INSTALL ${shipped} DESTINATION "${CMAKE_INSTALL_PREFIX}")
]])
string(CONFIGURE "${runtime_code}" runtime_code @ONLY)
install(CODE "${runtime_code}")

# `make windows-package`: the zip and the installer, the version the
# project's own.
configure_file(packaging/windows/swarmfall.nsi.in ${SWARMFALL_WINDOWS_BUILT}/swarmfall.nsi @ONLY)
add_custom_target(windows_package
  COMMAND ${CMAKE_SOURCE_DIR}/packaging/windows/make_packages.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
  DEPENDS swarmfall swarmfall_icon
  USES_TERMINAL)
