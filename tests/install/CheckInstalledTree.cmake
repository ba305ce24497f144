# Installs the build into DESTDIR afresh and fails when a file of the installed tree is
# missing. Run by ctest as a script: cmake -DBUILD_DIR=... -DDESTDIR=... -P this file.
file(REMOVE_RECURSE ${DESTDIR})
set(ENV{DESTDIR} ${DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} OUTPUT_QUIET
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
    ${BINDIR}/orbelan
    ${BINDIR}/orbelan-cli
    ${DATADIR}/applications/com.velmark.Orbelan.desktop
    ${DATADIR}/mime/packages/com.velmark.Orbelan.xml
    ${DATADIR}/metainfo/com.velmark.Orbelan.metainfo.xml
    ${DATADIR}/icons/hicolor/scalable/apps/com.velmark.Orbelan.svg
    ${DATADIR}/icons/hicolor/scalable/mimetypes/application-x-orbelan-plan.svg
    ${MANDIR}/man1/orbelan.1.gz
    ${MANDIR}/man1/orbelan-cli.1.gz
    ${DATADIR}/doc/orbelan/copyright
    ${DATADIR}/doc/orbelan/changelog.gz
    ${DATADIR}/orbelan/examples/household.Orbe
    ${DATADIR}/orbelan/examples/retirement-example.Orbe
)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected
        ${DATADIR}/icons/hicolor/${size}x${size}/apps/com.velmark.Orbelan.png
        ${DATADIR}/icons/hicolor/${size}x${size}/mimetypes/application-x-orbelan-plan.png)
endforeach()

set(missing "")
foreach(path IN LISTS expected)
    if(NOT EXISTS ${DESTDIR}${path})
        list(APPEND missing ${path})
    endif()
endforeach()
if(missing)
    list(JOIN missing "\n  " lines)
    message(FATAL_ERROR "missing from the installed tree:\n  ${lines}")
endif()
message(STATUS "installed tree complete: ${DESTDIR}")
