# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (posix threads).
# Every tool must be present: a missing one stops the configure step at once
# instead of falling back to the host compiler.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DRAFNOVA_MINGW_PREFIX x86_64-w64-mingw32)
find_program(DRAFNOVA_MINGW_CC ${DRAFNOVA_MINGW_PREFIX}-gcc-posix)
find_program(DRAFNOVA_MINGW_CXX ${DRAFNOVA_MINGW_PREFIX}-g++-posix)
find_program(DRAFNOVA_MINGW_RC ${DRAFNOVA_MINGW_PREFIX}-windres)
foreach(tool DRAFNOVA_MINGW_CC DRAFNOVA_MINGW_CXX DRAFNOVA_MINGW_RC)
  if(NOT ${tool})
    message(FATAL_ERROR "mingw-w64 tool not found (${tool}); install g++-mingw-w64-x86-64-posix")
  endif()
endforeach()

set(CMAKE_C_COMPILER ${DRAFNOVA_MINGW_CC})
set(CMAKE_CXX_COMPILER ${DRAFNOVA_MINGW_CXX})
set(CMAKE_RC_COMPILER ${DRAFNOVA_MINGW_RC})

set(CMAKE_FIND_ROOT_PATH /usr/${DRAFNOVA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No runtime DLL beyond Windows' own: libstdc++, libgcc and winpthread are
# linked into every program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# The tests run under Wine, through a wrapper that keeps one Wine prefix (in
# the build folder) and one Wine server for the whole build.
get_filename_component(DRAFNOVA_TOOLS_DIR ${CMAKE_CURRENT_LIST_DIR}/../tools ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${DRAFNOVA_TOOLS_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine)
