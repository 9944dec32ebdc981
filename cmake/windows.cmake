# The Windows build: ulnik-render.exe and the platform, xml and reports test suites, run under
# Wine where the build is a cross-build (CMAKE_CROSSCOMPILING_EMULATOR).
# Unicode Win32 calls, and nothing from windows.h that clashes with the program's own names.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

set(ULNIK_GUI OFF)

# Cross-built tests run under Wine, in a prefix of the build's own, never waiting for a display
# and never offering to install Mono or Gecko.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(ULNIK_WINE wine)
    if(ULNIK_WINE)
        set(CMAKE_CROSSCOMPILING_EMULATOR env -u DISPLAY WINEPREFIX=${PROJECT_BINARY_DIR}/wine WINEDEBUG=-all
                                          WINEDLLOVERRIDES=mscoree,mshtml= ${ULNIK_WINE})
    endif()
endif()

add_subdirectory(core)
add_subdirectory(cli)
add_subdirectory(tests)

install(TARGETS ulnik-render RUNTIME DESTINATION .)
install(FILES LICENSE DESTINATION .)
