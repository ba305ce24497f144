# Run by CPack once the package's files are staged (CPACK_PRE_BUILD_SCRIPTS): the package's
# Depends, from dpkg-shlibdeps as CPack's own search would find them, with the Qt plugins the
# programs load at run time analysed beside the programs. The libraries a plugin needs (Qt SVG
# for the icon engine) then come versioned from their symbols files, in dpkg-shlibdeps's
# sorted list, like every other dependency.
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
# dpkg-shlibdeps wants to be in a source package: an empty debian/control is enough.
file(MAKE_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}/debian")
file(WRITE "${CPACK_TEMPORARY_DIRECTORY}/debian/control" "")
execute_process(
    COMMAND dpkg-shlibdeps -O ${programs} ${CPACK_ORBELAN_RUNTIME_PLUGINS}
    WORKING_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}"
    OUTPUT_VARIABLE shlibdeps
    ERROR_VARIABLE warnings
    RESULT_VARIABLE status
    OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE "${CPACK_TEMPORARY_DIRECTORY}/debian")
# Its warnings (binaries outside a package folder, as the plugin is) matter only on failure,
# as in CPack's own run of it.
if(NOT status EQUAL 0 OR NOT shlibdeps MATCHES "^shlibs:Depends=")
    message(FATAL_ERROR "dpkg-shlibdeps failed (${status}) on: ${programs} "
                        "${CPACK_ORBELAN_RUNTIME_PLUGINS}\n${warnings}")
endif()
string(REGEX REPLACE "^shlibs:Depends=" "" shlibdeps "${shlibdeps}")
string(REPLACE ", " ";" depends "${shlibdeps}")
# qt6-base-abi (= exact Qt version) binds the plugin, which uses Qt's private interfaces, to
# the Qt it was built with; the plugin's own package carries that bond. The programs use
# only Qt's public interfaces, so pinning the exact Qt version would only block Qt updates.
list(FILTER depends EXCLUDE REGEX "^qt6-base-abi ")
list(JOIN depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
message(STATUS "Depends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
