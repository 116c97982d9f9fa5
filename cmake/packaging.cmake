# Installing SkyCrier as a Linux program (cmake --install build --prefix P), and
# its Debian package (cd build && cpack -G DEB), installed under /usr.
#   P/bin                          skycrier, skycrier-cli
#   P/share/skycrier/help/{en,es}  the help pages, found by the desktop program from P/bin
#   P/share/applications           the desktop entry; P/share/icons/hicolor its icon
#   P/share/man/man1               both manual pages, gzipped
#   P/share/doc/skycrier           README.md, examples/, copyright, changelog.gz
#   P/lib/systemd/{user,system}    the user service and the system template skycrier@USER

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(skycrier_doc share/doc/skycrier)
set(skycrier_stage ${CMAKE_BINARY_DIR}/packaging)
find_program(SKYCRIER_GZIP gzip REQUIRED)

install(TARGETS skycrier skycrier-cli RUNTIME DESTINATION bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/ DESTINATION share/skycrier/help)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/skycrier.desktop DESTINATION share/applications)

# The PNGs are committed, rendered once from the SVG (rsvg-convert -w N -h N), so
# the build needs no converter; render them again after editing the SVG.
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/skycrier.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/skycrier_${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME skycrier.png)
endforeach()

# Debian wants manual pages and changelogs compressed with gzip -9n (-n: no name or
# time stamp inside, so the same page gives the same bytes).
function(skycrier_gzip source output)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${skycrier_stage}/${name}
    COMMAND ${SKYCRIER_GZIP} -9nkf ${skycrier_stage}/${name}
    COMMAND ${CMAKE_COMMAND} -E rename ${skycrier_stage}/${name}.gz ${output}
    DEPENDS ${source} VERBATIM)
endfunction()

set(skycrier_gzipped "")
foreach(page skycrier.1 skycrier-cli.1)
  skycrier_gzip(${CMAKE_SOURCE_DIR}/docs/man/${page} ${skycrier_stage}/man/${page}.gz)
  list(APPEND skycrier_gzipped ${skycrier_stage}/man/${page}.gz)
  install(FILES ${skycrier_stage}/man/${page}.gz DESTINATION share/man/man1)
endforeach()

# The copyright file in Debian's machine-readable form, its license text taken
# from LICENSE: each line indented by one space, an empty line written " .".
file(READ ${CMAKE_SOURCE_DIR}/LICENSE license_text)
string(FIND "${license_text}" "Permission is hereby granted" license_start)
if(license_start LESS 0)
  message(FATAL_ERROR "LICENSE: no MIT permission notice found")
endif()
string(SUBSTRING "${license_text}" ${license_start} -1 license_text)
string(STRIP "${license_text}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text " ${license_text}")
file(CONFIGURE OUTPUT ${skycrier_stage}/copyright CONTENT [[
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: SkyCrier
Source: https://skycrier.github.io/

Files: *
Copyright: 2026 SkyCrier developers
License: MIT

License: MIT
${license_text}
]])

set(SKYCRIER_PACKAGE_MAINTAINER "SkyCrier developers <skycrier@users.noreply.github.com>"
    CACHE STRING "The Debian package's maintainer, as \"Name <address>\"")
# One entry for the version being packaged, dated the day of the configuration
# (or SOURCE_DATE_EPOCH's, for a reproducible package).
string(TIMESTAMP changelog_date "%a, %d %b %Y 00:00:00 +0000" UTC)
file(CONFIGURE OUTPUT ${skycrier_stage}/changelog CONTENT [[
skycrier (${PROJECT_VERSION}) stable; urgency=medium

  * SkyCrier ${PROJECT_VERSION}.

 -- ${SKYCRIER_PACKAGE_MAINTAINER}  ${changelog_date}
]])
skycrier_gzip(${skycrier_stage}/changelog ${skycrier_stage}/doc/changelog.gz)
list(APPEND skycrier_gzipped ${skycrier_stage}/doc/changelog.gz)
add_custom_target(skycrier_gzipped ALL DEPENDS ${skycrier_gzipped})

install(FILES ${CMAKE_SOURCE_DIR}/README.md ${skycrier_stage}/copyright ${skycrier_stage}/doc/changelog.gz
        DESTINATION ${skycrier_doc})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${skycrier_doc}/examples)

# The service units name skycrier-cli by its full path: the build tree's copy
# runs build/skycrier-cli, the installed ones P/bin/skycrier-cli, written when
# installing since the prefix is known only then (cpack installs under /usr).
set(skycrier_units skycrier.service skycrier@.service)
set(SKYCRIER_BIN_DIR ${CMAKE_BINARY_DIR})
foreach(unit IN LISTS skycrier_units)
  configure_file(${CMAKE_SOURCE_DIR}/resources/systemd/${unit}.in ${CMAKE_BINARY_DIR}/systemd/${unit} @ONLY)
  install(CODE "
    set(SKYCRIER_BIN_DIR \"\${CMAKE_INSTALL_PREFIX}/bin\")
    configure_file(\"${CMAKE_SOURCE_DIR}/resources/systemd/${unit}.in\" \"${skycrier_stage}/systemd/${unit}\" @ONLY)")
endforeach()
install(FILES ${skycrier_stage}/systemd/skycrier.service DESTINATION lib/systemd/user)
install(FILES ${skycrier_stage}/systemd/skycrier@.service DESTINATION lib/systemd/system)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skycrier)
set(CPACK_PACKAGE_VENDOR "SkyCrier developers")
set(CPACK_PACKAGE_CONTACT "${SKYCRIER_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "weather announcer for amateur-radio stations")
# Debian shows the description as it stands: lines under 80 columns, "." between paragraphs.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "SkyCrier reads the weather from the station's own instruments, a\n"
    "weather-station file, an airport METAR or an APRS report, and at a chosen\n"
    "period, or when a button, a serial line or another program asks, keys the\n"
    "transmitter and speaks a bulletin built from recorded words.\n"
    ".\n"
    "This package holds the desktop program, skycrier, and the command line,\n"
    "skycrier-cli, with its headless service and its systemd units.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://skycrier.github.io/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no library link shows: Qt's display plug-ins, loaded at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
