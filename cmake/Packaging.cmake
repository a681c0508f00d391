# The Debian package: `cpack -G DEB` in the build folder (or the `package` target) packs what
# the install rules put under the prefix, which must be /usr, as the programs look there for
# their pictures and the camera module. Library dependencies come from dpkg-shlibdeps; what
# the window loads by name at run time (QML modules, the platform plugins, the fonts, the
# sound library) is listed here.
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging)

install(FILES ${packaging_dir}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Debian wants the changelog and the manual pages compressed to the maximum, without the
# file's name or time in the header, so that the package is the same on every build.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${packaging_dir}/changelog ${packaging_dir}/tamberlinove.1
  ${packaging_dir}/tamberlinove-services.1)
foreach(pair "changelog:changelog.Debian.gz" "tamberlinove.1:tamberlinove.1.gz"
             "tamberlinove-services.1:tamberlinove-services.1.gz")
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 source)
  list(GET pair 1 packed)
  execute_process(COMMAND gzip -9nc ${packaging_dir}/${source}
    OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/packaging/${packed}
    RESULT_VARIABLE gzip_result)
  if(NOT gzip_result EQUAL 0)
    message(FATAL_ERROR "gzip could not compress packaging/${source}")
  endif()
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.Debian.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/tamberlinove.1.gz
              ${CMAKE_CURRENT_BINARY_DIR}/packaging/tamberlinove-services.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamberlinove)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "tamberlinove developers")
set(CPACK_PACKAGE_CONTACT "tamberlinove developers <packages@vorneth.kr>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vorneth.kr/tamberlinove)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "travel companion for air passengers, in Korean
Keeps the next flight on its main screen and refreshes it once a minute:
times, gate, check-in counters, baggage carousel and exit, with every change
announced as it happens. Registered Bluetooth luggage tags raise an alarm
when the luggage reaches the baggage belt. Also converts currencies with the
day's exchange rates and shows each nation's arrival card with the
traveller's passport photo.
.
Without a configuration it runs in demo mode against stand-in services it
starts itself (also installed as tamberlinove-services); `tamberlinove
--headless` is a driver for automated tests, reading commands as JSON lines.")
if(TAMBERLINOVE_GUI_ENABLED)
  string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
    fonts-nanum libcanberra0 libqt6svg6 qt6-qpa-plugins
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-controls
    qml6-module-qtquick-templates qml6-module-qtquick-layouts qml6-module-qtquick-dialogs
    qml6-module-qtqml-workerscript qml6-module-qt5compat-graphicaleffects
    qml6-module-qt-labs-folderlistmodel)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
endif()

# Checked when cpack runs: a package of another prefix would look for its files where the
# package does not put them.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/packaging/CPackPrefix.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE}
  "if(CPACK_GENERATOR STREQUAL \"DEB\" AND NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL \"/usr\")\n"
  "  message(FATAL_ERROR \"The Debian package needs a build configured with \"\n"
  "    \"-DCMAKE_INSTALL_PREFIX=/usr (this one installs to \${CPACK_PACKAGING_INSTALL_PREFIX})\")\n"
  "endif()\n")
include(CPack)
