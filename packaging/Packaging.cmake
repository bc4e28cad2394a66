# Installing Pelumo as a desktop application, and its Debian package.
#
#   cmake --install build --prefix /usr/local    # or DESTDIR=... for staging
#   (cd build && cpack -G DEB)                   # pelumo_<version>_<arch>.deb
#
# The program, its menu entry, its icon and its AppStream description go to
# the standard places under the prefix, so the desktop's menu and software
# centre find them; the package is made from exactly that install.
include(GNUInstallDirs)

set(PELUMO_APP_ID org.pelumo.Pelumo)
set(PELUMO_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(PELUMO_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS pelumo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PELUMO_PACKAGING_DIR}/${PELUMO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PELUMO_PACKAGING_DIR}/${PELUMO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PELUMO_PACKAGING_DIR}/icons/${PELUMO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${PELUMO_ICON_SIZES})
  install(FILES ${PELUMO_PACKAGING_DIR}/icons/${size}x${size}/${PELUMO_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pelumo)

# The Debian package. Its dependencies are named by hand rather than worked out
# by dpkg-shlibdeps: besides the libraries the program links, it needs Qt's
# platform plugins to open a window at all, espeak-ng's data for the Japanese
# voice, the UTF-8 IPA dictionary that MeCab reads messages with (not the
# `mecab` package, which brings a 350 MB dictionary of no use here) and the
# IPA Gothic fonts for the kana, and Anthy with its dictionary for 変換; none of these shows up as a
# linked library, and a missing one means a program that starts mute, with
# boxes for letters, or not at all. The install test checks that every library
# the program links is named here.
set(CPACK_PACKAGE_NAME pelumo)
set(CPACK_PACKAGE_VENDOR "The Pelumo developers")
set(CPACK_PACKAGE_CONTACT "The Pelumo developers <pelumo@pelumo.org>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Japanese communication aid: compose by touch, have it spoken")
set(CPACK_PACKAGE_DESCRIPTION
    "Pelumo is a Japanese communication aid for people who cannot speak and
cannot use a keyboard. They compose a message by touching large kana on an
on-screen letter board, and a friendly character reads it aloud. A phrase
book offers saved sentences after their first few characters, and a diary
keeps one entry a day.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 12), libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins (>= 6.4), libespeak-ng1 (>= 1.51), espeak-ng-data, libmecab2 (>= 0.996), mecab-ipadic-utf8, fonts-ipafont-gothic, libanthy1 (>= 1:0.4), anthy-common, open-jtalk, open-jtalk-mecab-naist-jdic")
# The natural voice's data is in Debian's contrib area: recommended, so that
# a system with contrib enabled brings it in; without it espeak-ng speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, hts-voice-nitech-jp-atr503-m001")
include(CPack)

# The package checks look at a release build's libraries: a sanitizer build
# links the sanitizer runtimes, which no installed program needs.
if(PELUMO_TESTS AND NOT PELUMO_SANITIZE)
  # Skipped, not failed, where the validator is not installed (./test installs
  # both on a machine it sets up).
  set(run_tool ${PELUMO_PACKAGING_DIR}/run-tool.sh)
  add_test(NAME packaging_desktop_entry
           COMMAND ${run_tool} desktop-file-validate
                   ${PELUMO_PACKAGING_DIR}/${PELUMO_APP_ID}.desktop)
  add_test(NAME packaging_metainfo
           COMMAND ${run_tool} appstreamcli validate --no-net
                   ${PELUMO_PACKAGING_DIR}/${PELUMO_APP_ID}.metainfo.xml)
  add_test(NAME packaging_install
           COMMAND ${PELUMO_PACKAGING_DIR}/check-install.sh
                   ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
                   "${CPACK_DEBIAN_PACKAGE_DEPENDS}")
  add_test(NAME packaging_deb
           COMMAND ${PELUMO_PACKAGING_DIR}/check-deb.sh
                   ${CMAKE_BINARY_DIR} "${CPACK_DEBIAN_PACKAGE_DEPENDS}")
  set_tests_properties(packaging_desktop_entry packaging_metainfo packaging_install
                       packaging_deb PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
  # desktop-file-validate reports warnings and hints with a zero exit status;
  # they name entries that some desktop may ignore or file under "Other" (a
  # category that lacks its main one, say), so any of them fails the test.
  set_tests_properties(packaging_desktop_entry PROPERTIES
                       FAIL_REGULAR_EXPRESSION "error:;warning:;hint:")
endif()
