# Building for Windows: the programs' resources; and for the cross build (make windows) what
# Debian offers only for Linux, and Wine to run what ctest starts.
if(NOT WIN32)
  return()
endif()
enable_language(RC)

# gs_windows_program(target description): the icon, the manifest (Windows versions, common
# controls, per-monitor DPI) and the version information Explorer shows.
function(gs_windows_program target description)
  set(GS_RC_NAME ${target})
  set(GS_RC_FILE ${target}.exe)
  set(GS_RC_DESCRIPTION ${description})
  set(GS_RC_ICON ${PROJECT_SOURCE_DIR}/app/windows/gruppenstatistik.ico)
  set(GS_RC_MANIFEST ${PROJECT_SOURCE_DIR}/app/windows/program.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/app/windows/program.rc.in
    ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()

if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

# Qt's DLLs and the MinGW runtime are found through the PATH Wine gives the program.
set(GS_WINE_DLLS ${QT6_INSTALL_PREFIX}/bin)
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(folder ${path} REALPATH)
  get_filename_component(folder ${folder} DIRECTORY)
  string(APPEND GS_WINE_DLLS :${folder})
endforeach()
set(CMAKE_CROSSCOMPILING_EMULATOR env GS_WINE_DLLS=${GS_WINE_DLLS} GS_WINE_QT_TESTS=1
  WINEPREFIX=${CMAKE_BINARY_DIR}/wine-tests ${PROJECT_SOURCE_DIR}/packaging/windows/wine-run.sh)

# Qt's German texts for the window tests: Debian's translations, beside the Qt they run with.
file(WRITE ${CMAKE_BINARY_DIR}/tests/ui/qt.conf
  "[Paths]\nPrefix = Z:${QT6_INSTALL_PREFIX}\nTranslations = Z:/usr/share/qt6/translations\n")

# nlohmann_json is header-only, but its CMake package points at /usr/include, which would put
# glibc's headers into the MinGW compile: a folder holding only nlohmann/ instead.
set(GS_WIN_INCLUDE ${CMAKE_BINARY_DIR}/windows-include)
file(COPY /usr/include/nlohmann DESTINATION ${GS_WIN_INCLUDE})
file(WRITE ${CMAKE_BINARY_DIR}/windows-cmake/nlohmann_jsonConfig.cmake
  "if(NOT TARGET nlohmann_json::nlohmann_json)\n"
  "  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)\n"
  "  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES\n"
  "    INTERFACE_INCLUDE_DIRECTORIES ${GS_WIN_INCLUDE})\n"
  "endif()\n")
set(nlohmann_json_DIR ${CMAKE_BINARY_DIR}/windows-cmake CACHE PATH "" FORCE)

# GoogleTest from the source Debian's libgtest-dev ships, built with the cross compiler.
if(GS_WITH_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
