# The Debian package: `cpack -G DEB` in a build configured for /usr (scripts/package.sh).
set(CPACK_PACKAGE_NAME orbelan)
set(CPACK_PACKAGE_VENDOR Velmark)
set(CPACK_PACKAGE_CONTACT "Velmark <orbelan@velmark.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "retirement planner projecting a household's money year by year")
set(CPACK_PACKAGE_DESCRIPTION
    "Orbelan projects a household's money through working life and retirement.
A plan holds a birth date, a retirement age, the tax rates before and after
retirement, income items such as salaries, pensions and savings accounts, and
expense items. Calculate projects it for up to 100 years, one row per year,
exact to the unit.
.
The package holds the desktop program orbelan and the command-line program
orbelan-cli, which prints the same projection without a window.")
set(CPACK_STRIP_FILES ON)
# Directories in the package as Debian expects them, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velmark.example/orbelan)
# The library dependencies come from dpkg-shlibdeps, run by OrbelanPackageDepends.cmake on the
# staged programs and on Qt's SVG icon engine: that plugin draws every icon of the program and
# Qt loads it at run time, out of the linker's sight.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
if(ORBELAN_GUI)
    set(CPACK_ORBELAN_RUNTIME_PLUGINS
        ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/iconengines/libqsvgicon.so)
    if(NOT EXISTS ${CPACK_ORBELAN_RUNTIME_PLUGINS})
        message(FATAL_ERROR "Qt's SVG icon engine is missing: ${CPACK_ORBELAN_RUNTIME_PLUGINS}")
    endif()
endif()
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/OrbelanPackageDepends.cmake)
# The menu, file type and icon caches are refreshed by the dpkg triggers of shared-mime-info,
# desktop-file-utils and the icon theme; no maintainer script is needed.

include(CPack)
