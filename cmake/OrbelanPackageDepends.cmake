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
    RESULT_VARIABLE status
    OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE "${CPACK_TEMPORARY_DIRECTORY}/debian")
if(NOT status EQUAL 0 OR NOT shlibdeps MATCHES "^shlibs:Depends=")
    message(FATAL_ERROR "dpkg-shlibdeps failed (${status}) on: ${programs} "
                        "${CPACK_ORBELAN_RUNTIME_PLUGINS}")
endif()
string(REGEX REPLACE "^shlibs:Depends=" "" CPACK_DEBIAN_PACKAGE_DEPENDS "${shlibdeps}")
message(STATUS "Depends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
