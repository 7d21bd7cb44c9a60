# What the Windows packages hold, in one folder as a Windows player expects
# it: the game, its data beside it (where it looks first), the DLLs it loads
# that are not part of Windows, its icon, the README and the licence texts
# of everything it ships, as text files with Windows line ends. The zip and
# the installer (packaging/windows/make_packages.sh) take this folder as
# `cmake --install` lays it out.
set(SWARMFALL_WINDOWS_BUILT ${CMAKE_BINARY_DIR}/packaging/windows)
file(REMOVE_RECURSE ${SWARMFALL_WINDOWS_BUILT}/licences)
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
# built from (zlib, BSD and MIT texts in full); the MinGW-w64 run-time and
# GCC's runtime library exception, linked into the executable; GLM, compiled
# in; the game's own.
set(licences
  "${SWARMFALL_WINDOWS_DEPS}/licences/glfw3.copyright|GLFW.txt"
  "${SWARMFALL_WINDOWS_DEPS}/licences/glew.copyright|GLEW.txt"
  "${SWARMFALL_WINDOWS_DEPS}/licences/libsfml.copyright|SFML.txt"
  "${SWARMFALL_WINDOWS_DEPS}/licences/libogg.copyright|Ogg.txt"
  "${SWARMFALL_WINDOWS_DEPS}/licences/libvorbis.copyright|Vorbis.txt"
  "${SWARMFALL_WINDOWS_DEPS}/licences/flac.copyright|FLAC.txt"
  "/usr/share/doc/libglm-dev/copyright|GLM.txt"
  "/usr/share/doc/mingw-w64-x86-64-dev/copyright|MinGW-w64-runtime.txt"
  "/usr/share/doc/gcc-mingw-w64-base/copyright|GCC-runtime.txt"
  "${CMAKE_SOURCE_DIR}/packaging/copyright|Swarmfall.txt")

# OpenAL Soft is LGPL: OpenAL32.dll ships as its own DLL, with its Debian
# copyright file and the two LGPL versions that file names, in full. The game
# loads it only when it asks for sound, so the dependency build goes on
# without it when its source cannot be fetched; the packages then hold no
# sound library, and say so here.
set(SWARMFALL_OPENAL_DLL ${SWARMFALL_WINDOWS_DEPS}/bin/OpenAL32.dll)
if(EXISTS ${SWARMFALL_OPENAL_DLL})
  list(APPEND licences
    "${SWARMFALL_WINDOWS_DEPS}/licences/openal-soft.copyright|OpenAL-Soft.txt"
    "/usr/share/common-licenses/LGPL-2|LGPL-2.txt"
    "/usr/share/common-licenses/LGPL-2.1|LGPL-2.1.txt")
  install(FILES ${SWARMFALL_OPENAL_DLL} DESTINATION .)
else()
  message(WARNING "No OpenAL32.dll in ${SWARMFALL_WINDOWS_DEPS}/bin (OpenAL Soft's source could not "
    "be fetched): the Windows packages will hold no sound library and the game will run silent")
endif()

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

# Every other library is linked in: a DLL in the executable's import table
# that is not one of Windows' own is shipped when the libraries' folder holds
# it, and stops the install when it does not, so a package never lacks one.
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
    list(FIND windows_own "${lower}" known)
    if(known EQUAL -1 AND NOT lower MATCHES "^(api|ext)-ms-")
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
