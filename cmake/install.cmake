# What `cmake --install` puts where, and the Debian package made of it (cmake/package.cmake).
# Installed, the programs find their files relative to themselves, so any prefix works:
#   bin/ulnik, bin/ulnik-render
#   <libdir>/ulnik/libulnik_locale.so       loaded by ulnik-render through its RUNPATH
#   share/ulnik/{fonts.conf,pomoc/}         found by the programs from bin/ (program_files)
#   share/applications, share/metainfo, share/icons/hicolor, share/man (gzipped)
#   share/doc/ulnik/{copyright,changelog.gz}
include(GNUInstallDirs)

set(ULNIK_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ULNIK_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/ulnik)

# ulnik-render opens its locale module by bare name: the loader looks beside the executable in
# the build tree and in the private library folder once installed.
cmake_path(RELATIVE_PATH CMAKE_INSTALL_LIBDIR BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR}
           OUTPUT_VARIABLE ulnik_lib_from_bin)
set_target_properties(ulnik-render PROPERTIES
    BUILD_RPATH "$ORIGIN"
    INSTALL_RPATH "$ORIGIN/${ulnik_lib_from_bin}/ulnik")

install(TARGETS ulnik-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET ulnik)
    install(TARGETS ulnik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS ulnik_locale LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/ulnik)

# The program's data. In the build tree the same files lie beside the executables.
install(FILES ${ULNIK_PACKAGING_DIR}/fonts.conf DESTINATION ${ULNIK_DATA_DESTINATION})
foreach(program ulnik ulnik-render)
    if(TARGET ${program})
        file(GENERATE OUTPUT $<TARGET_FILE_DIR:${program}>/fonts.conf
             INPUT ${ULNIK_PACKAGING_DIR}/fonts.conf)
    endif()
endforeach()
if(EXISTS ${PROJECT_SOURCE_DIR}/pomoc)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/pomoc/ DESTINATION ${ULNIK_DATA_DESTINATION}/pomoc)
endif()

# The desktop's view of the program: menu entry, "Open with" for XML files, software centres.
set(ULNIK_APPSTREAM_ID io.github.ulnik.ulnik)
install(FILES ${ULNIK_PACKAGING_DIR}/ulnik.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ULNIK_PACKAGING_DIR}/${ULNIK_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 128 256)
    install(FILES ${ULNIK_PACKAGING_DIR}/icons/ulnik-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ulnik.png)
endforeach()
install(FILES ${ULNIK_PACKAGING_DIR}/icons/ulnik.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Man pages and the changelog go out compressed as Debian wants them, and as man reads them
# everywhere; without a timestamp, so that the same sources give the same files.
find_program(ULNIK_GZIP gzip REQUIRED)
set(ulnik_compressed_docs)
function(ulnik_compressed_doc source destination)
    cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${ULNIK_PACKAGING_DIR} OUTPUT_VARIABLE relative)
    set(copy ${PROJECT_BINARY_DIR}/packaging/${relative})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND ${ULNIK_GZIP} -9nf ${copy}
        DEPENDS ${source} VERBATIM)
    install(FILES ${copy}.gz DESTINATION ${destination})
    set(ulnik_compressed_docs ${ulnik_compressed_docs} ${copy}.gz PARENT_SCOPE)
endfunction()
foreach(page ulnik.1 ulnik-render.1)
    ulnik_compressed_doc(${ULNIK_PACKAGING_DIR}/man/${page} ${CMAKE_INSTALL_MANDIR}/man1)
    ulnik_compressed_doc(${ULNIK_PACKAGING_DIR}/man/pl/${page} ${CMAKE_INSTALL_MANDIR}/pl/man1)
endforeach()

# The licences (the program's and the page font's) and the history, where Debian looks for them.
set(ULNIK_DOC_DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ulnik)
install(FILES ${ULNIK_PACKAGING_DIR}/copyright DESTINATION ${ULNIK_DOC_DESTINATION})
ulnik_compressed_doc(${ULNIK_PACKAGING_DIR}/changelog ${ULNIK_DOC_DESTINATION})
add_custom_target(ulnik_docs ALL DEPENDS ${ulnik_compressed_docs})

include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)
