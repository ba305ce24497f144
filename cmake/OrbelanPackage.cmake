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
# The library dependencies come from dpkg-shlibdeps. Qt's SVG icon engine, which draws every
# icon of the program, is a plugin that Qt loads at run time, out of the linker's sight.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
# The menu, file type and icon caches are refreshed by the dpkg triggers of shared-mime-info,
# desktop-file-utils and the icon theme; no maintainer script is needed.

include(CPack)
