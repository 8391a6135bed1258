# Installation and packaging: `cmake --install` puts the programs, the help file, the desktop
# entry, the AppStream metainfo, the icons, the manual page and the bash completion where a
# Linux desktop looks for them; `cpack -G DEB` makes a Debian package of the same tree.
# The programs' own install() rules are in src/app and src/cli.
include(GNUInstallDirs)

set(KK_APP_ID de.kostenkoch.Kostenkoch)
set(KK_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(KK_HELP_FILE ${PROJECT_SOURCE_DIR}/src/resources/KostenkochHelp.html)

if(WIN32)
    # Windows keeps the help file beside the program.
    install(FILES ${KK_HELP_FILE} DESTINATION ${CMAKE_INSTALL_BINDIR})
else()
    # The installed program finds its help as <bin>/../share/kostenkoch (CHelpAddress).
    if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
        message(WARNING "The program looks for its help file in ../share/kostenkoch beside its "
                        "bin folder; CMAKE_INSTALL_BINDIR/DATADIR other than bin/share lose it.")
    endif()
    install(FILES ${KK_HELP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/kostenkoch)
    install(FILES ${KK_PACKAGING_DIR}/${KK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${KK_PACKAGING_DIR}/${KK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(DIRECTORY ${KK_PACKAGING_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
    install(FILES ${KK_PACKAGING_DIR}/kostenkoch-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kostenkoch-cli)

    # The manual page, with the version filled in and compressed as Debian wants it.
    set(KK_MAN_PAGE ${PROJECT_BINARY_DIR}/packaging/kostenkoch-cli.1)
    configure_file(${KK_PACKAGING_DIR}/kostenkoch-cli.1.in ${KK_MAN_PAGE} @ONLY)
    add_custom_command(OUTPUT ${KK_MAN_PAGE}.gz
        COMMAND gzip -9 -n -c ${KK_MAN_PAGE} > ${KK_MAN_PAGE}.gz
        DEPENDS ${KK_MAN_PAGE}
        COMMENT "Compressing the manual page")
    add_custom_target(kk_man_page ALL DEPENDS ${KK_MAN_PAGE}.gz)
    install(FILES ${KK_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The Debian package. Its library dependencies come from dpkg-shlibdeps; what the program only
# loads at run time (Qt's platform plugins) and what makes it look right (Qt's German button
# texts, the metric-compatible fonts, a browser for the help) is named here.
set(CPACK_PACKAGE_NAME kostenkoch)
set(CPACK_PACKAGE_VENDOR "Harlow-Software")
set(CPACK_PACKAGE_CONTACT "Harlow-Software <info@kostenkoch.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cost and earnings of a restaurant's dishes and drinks")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.kostenkoch.de")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kostenkoch)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION
    "Kostenkoch calculates what the dishes and drinks of a restaurant or bar cost
and what they earn: ingredients with suppliers, prices and stock, recipes
built from ingredients and other recipes, calculated selling prices,
contribution margins and a monthly evaluation of the sales.

kostenkoch-cli prints reports from a data file as JSON or CSV.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
