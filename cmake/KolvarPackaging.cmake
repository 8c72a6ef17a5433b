# Desktop integration, documentation and the Debian package.
#
# Installs the desktop entry, the AppStream metadata, the theme icons, the
# bash completion, the manual pages, the desktop guide with its pictures and
# the Debian copyright and changelog;
# the two programs install themselves from src/cli and src/shell. CPack turns
# the installation into kolvar_<version>_<arch>.deb (scripts/package).

set(KOLVAR_DIST_DIR ${PROJECT_SOURCE_DIR}/dist)
set(KOLVAR_APP_ID io.github.kolvar.Kolvar)
set(KOLVAR_HOMEPAGE "https://github.com/kolvar/kolvar")
set(KOLVAR_MAINTAINER "The Kolvar developers <kolvar@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian package (name <address>)")
set(KOLVAR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/kolvar)

# The release date of this version, from the newest changelog entry: it dates
# the manual pages, so that they do not change from build to build.
file(STRINGS ${KOLVAR_DIST_DIR}/changelog KOLVAR_CHANGELOG_TRAILER REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" KOLVAR_RELEASE_DATE "${KOLVAR_CHANGELOG_TRAILER}")
execute_process(COMMAND date -u -d "${KOLVAR_RELEASE_DATE}" +%s
                OUTPUT_VARIABLE KOLVAR_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE KOLVAR_DATE_FAILED)
if(KOLVAR_DATE_FAILED OR NOT KOLVAR_RELEASE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "dist/changelog: cannot read the date of the newest entry")
endif()

# Text of a licence file as the body of a copyright-format paragraph: from
# the line `first` on, each line indented by one space, empty lines as " .".
function(kolvar_licence_paragraph file first out)
  file(READ ${file} text)
  string(FIND "${text}" "${first}" start)
  if(start LESS 0)
    message(FATAL_ERROR "${file}: no line '${first}'")
  endif()
  string(SUBSTRING "${text}" ${start} -1 text)
  string(REGEX REPLACE "\n+$" "" text "${text}")
  string(REPLACE "\n" "\n " text " ${text}")
  string(REPLACE "\n \n" "\n .\n" text "${text}")
  string(REPLACE "\n \n" "\n .\n" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

kolvar_licence_paragraph(${PROJECT_SOURCE_DIR}/resources/licences/OFL-1.1.txt
                         "SIL OPEN FONT LICENSE" KOLVAR_OFL_TEXT)
# The Bitstream Vera text is already a copyright-format paragraph there.
file(READ ${PROJECT_SOURCE_DIR}/resources/licences/DejaVu-Bitstream-Vera.txt KOLVAR_VERA)
string(REGEX MATCH "License: bitstream-vera\n([^\n]+\n)+" KOLVAR_VERA "${KOLVAR_VERA}")
string(REGEX REPLACE "^License: bitstream-vera\n" "" KOLVAR_VERA "${KOLVAR_VERA}")
string(REGEX REPLACE "\n$" "" KOLVAR_BITSTREAM_VERA_TEXT "${KOLVAR_VERA}")
configure_file(${KOLVAR_DIST_DIR}/copyright.in ${PROJECT_BINARY_DIR}/dist/copyright @ONLY)

# Debian keeps changelogs compressed, without a time stamp in the gzip header.
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/dist/changelog.gz
  COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${KOLVAR_DIST_DIR}/changelog ${PROJECT_BINARY_DIR}/dist/changelog.gz
  DEPENDS ${KOLVAR_DIST_DIR}/changelog
  VERBATIM)
add_custom_target(kolvar_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/dist/changelog.gz)

add_subdirectory(${PROJECT_SOURCE_DIR}/docs/man ${PROJECT_BINARY_DIR}/docs/man)

if(KOLVAR_BUILD_GUI)
  install(FILES ${KOLVAR_DIST_DIR}/kolvar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${KOLVAR_DIST_DIR}/${KOLVAR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # Drawn by tools/draw_desktop_icons.py.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
install(FILES ${KOLVAR_DIST_DIR}/kolvar-chart.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kolvar-chart)
install(FILES ${PROJECT_BINARY_DIR}/dist/copyright ${PROJECT_BINARY_DIR}/dist/changelog.gz
        DESTINATION ${KOLVAR_DOC_DIR})

# The desktop guide and every picture it links, at the same relative paths,
# so that the installed guide shows its pictures. Read at configure time; an
# edited guide configures again.
set(KOLVAR_MANUAL ${PROJECT_SOURCE_DIR}/docs/manual.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KOLVAR_MANUAL})
file(READ ${KOLVAR_MANUAL} KOLVAR_MANUAL_TEXT)
# A link's "](" becomes "<<" first: a bracket would keep CMake from splitting
# the list of matches.
string(REPLACE "](" "<<" KOLVAR_MANUAL_TEXT "${KOLVAR_MANUAL_TEXT}")
string(REGEX MATCHALL "<<[A-Za-z0-9_./-]+\\.png\\)" KOLVAR_MANUAL_LINKS "${KOLVAR_MANUAL_TEXT}")
list(REMOVE_DUPLICATES KOLVAR_MANUAL_LINKS)
install(FILES ${KOLVAR_MANUAL} DESTINATION ${KOLVAR_DOC_DIR})
foreach(link IN LISTS KOLVAR_MANUAL_LINKS)
  string(REGEX REPLACE "^<<(.*)\\)$" "\\1" picture "${link}")
  get_filename_component(folder "${picture}" DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/${picture} DESTINATION ${KOLVAR_DOC_DIR}/${folder})
endforeach()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kolvar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kolvar developers")
set(CPACK_PACKAGE_CONTACT "${KOLVAR_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "star chart of the sky above the horizon, in Hungarian runes")
set(CPACK_PACKAGE_DESCRIPTION
    "Kolvar paints, for one place on Earth and one instant, the whole sky above
the horizon into one window: an azimuthal chart with the zenith at the
centre, showing 3275 bright stars, 112 deep-sky objects, the Sun, the Moon
shaded by its phase, the planets, the Milky Way and the ecliptic. Holding a
mouse button names the nearest object; the right button opens a magnified
close-up. The interface is Hungarian, written mostly in the Old Hungarian
runic script with the program's own runic font.

The command-line program kolvar-chart draws the same chart as a PNG file,
draws it for paper as a PDF, SVG or PNG sheet, and prints the positions of
the Sun, the Moon and the planets.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KOLVAR_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KOLVAR_MAINTAINER}")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Libraries from dpkg-shlibdeps; besides them the window needs Qt's platform
# plugins, the labels' "Arial" resolves to Liberation Sans, and printing loads
# cairo when it draws a sheet (which dpkg-shlibdeps cannot see).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2 | fonts-liberation, libcairo2 (>= 1.16)")
# A mount is reached through an INDI server, which may run on another machine.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "indi-bin")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
