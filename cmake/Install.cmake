# Installs htmlsim as a desktop application (programs, menu entry, icons, manuals, README) and
# packages it as a Debian package with CPack. Included by the top-level CMakeLists.txt when the
# programs are built.
include(GNUInstallDirs)

set(HTMLSIM_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/desktop)
set(HTMLSIM_ICON_SVG ${HTMLSIM_DESKTOP_DIR}/htmlsim.svg)
set(HTMLSIM_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS htmlsim htmlsim-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${HTMLSIM_DESKTOP_DIR}/htmlsim.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The PNG icons are drawn from the one SVG at build time, so no picture is kept twice.
find_program(HTMLSIM_RSVG_CONVERT rsvg-convert REQUIRED)
set(HTMLSIM_ICON_FILES)
foreach(size IN LISTS HTMLSIM_ICON_SIZES)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/htmlsim.png)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/icons/${size}x${size})
    add_custom_command(OUTPUT ${png}
                       COMMAND ${HTMLSIM_RSVG_CONVERT} -w ${size} -h ${size} -o ${png}
                               ${HTMLSIM_ICON_SVG}
                       DEPENDS ${HTMLSIM_ICON_SVG}
                       COMMENT "Drawing the ${size}x${size} icon")
    list(APPEND HTMLSIM_ICON_FILES ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${HTMLSIM_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages carry the project version and are installed compressed, as Debian expects.
set(HTMLSIM_MAN_FILES)
foreach(page htmlsim htmlsim-cli)
    set(source ${CMAKE_BINARY_DIR}/man/${page}.1)
    configure_file(${PROJECT_SOURCE_DIR}/man/${page}.1 ${source} @ONLY)
    add_custom_command(OUTPUT ${source}.gz
                       COMMAND gzip -9 -n -f -k ${source}
                       DEPENDS ${source}
                       COMMENT "Compressing the manual page ${page}(1)")
    list(APPEND HTMLSIM_MAN_FILES ${source}.gz)
endforeach()
install(FILES ${HTMLSIM_MAN_FILES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

add_custom_target(htmlsim_desktop_files ALL DEPENDS ${HTMLSIM_ICON_FILES} ${HTMLSIM_MAN_FILES})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME htmlsim)
set(CPACK_PACKAGE_VENDOR "htmlsim developers")
set(CPACK_PACKAGE_CONTACT "htmlsim developers <maintainers@htmlsim.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "htmlsim is a desktop editor for HTML software simulations: screenshots are placed on a \
design surface, clickable areas and message balloons are drawn on them, and every change is \
written as HTML into one document divided into named sections. htmlsim-cli runs the same \
commands without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The linked libraries come from dpkg-shlibdeps. Named here are what is loaded, not linked: Qt's
# platform and image-format plugins (libqt6gui6), and the fonts that make text on the surface
# measure as it does in a browser.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, desktop-file-utils")
include(CPack)

add_test(NAME install_package
         COMMAND ${PROJECT_SOURCE_DIR}/tests/install/check-install.sh ${CMAKE_BINARY_DIR}
                 ${PROJECT_VERSION})
set_tests_properties(install_package PROPERTIES RUN_SERIAL TRUE)
