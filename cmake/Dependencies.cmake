# Third-party libraries, all from Debian packages (scripts/bootstrap installs them).
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
pkg_check_modules(SQLITE3 REQUIRED IMPORTED_TARGET sqlite3)
# The XML answer reader is tested with libxml2 2.9.14 (Debian 12) and uses only interfaces
# that release has; an older one stops the configuration here.
pkg_check_modules(LIBXML2 REQUIRED IMPORTED_TARGET libxml-2.0>=2.9.14)
pkg_check_modules(CURL REQUIRED IMPORTED_TARGET libcurl)
pkg_check_modules(PLIST REQUIRED IMPORTED_TARGET libplist-2.0)
pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
pkg_check_modules(ICU REQUIRED IMPORTED_TARGET icu-uc icu-i18n)
pkg_check_modules(LIBICAL REQUIRED IMPORTED_TARGET libical)
find_package(nlohmann_json 3 REQUIRED)

if(TAMBERLINOVE_TESTS)
  find_package(GTest REQUIRED)
endif()
if(TAMBERLINOVE_BENCH)
  find_package(benchmark REQUIRED)
endif()

# The window's Qt modules and desktop libraries, probed here only. TAMBERLINOVE_GUI_ENABLED
# says whether the window is built; without it `tamberlinove` is the headless driver alone.
# TAMBERLINOVE_GUI=ON stops the configuration when anything is missing, AUTO builds the
# headless driver instead and says so, OFF never builds the window.
set(TAMBERLINOVE_QT_MODULES Core Gui Qml Quick QuickControls2 DBus Multimedia Bluetooth)
if(TAMBERLINOVE_TESTS)
  list(APPEND TAMBERLINOVE_QT_MODULES Test)
endif()
set(TAMBERLINOVE_GUI_ENABLED OFF)
string(TOUPPER "${TAMBERLINOVE_GUI}" gui_mode)
if(gui_mode STREQUAL "AUTO" OR TAMBERLINOVE_GUI)
  # Optional, so that every missing module is found and named, not only the first.
  find_package(Qt6 6.4 QUIET OPTIONAL_COMPONENTS ${TAMBERLINOVE_QT_MODULES})
  # The vibration's sound (headers only: the library is loaded at the first pulse) and the
  # urgency hint on X11.
  pkg_check_modules(CANBERRA QUIET libcanberra)
  pkg_check_modules(XCB QUIET IMPORTED_TARGET GLOBAL xcb)
  set(gui_missing "")
  foreach(module ${TAMBERLINOVE_QT_MODULES})
    if(NOT Qt6${module}_FOUND)
      list(APPEND gui_missing "Qt 6 ${module}")
    endif()
  endforeach()
  foreach(lib CANBERRA XCB)
    if(NOT ${lib}_FOUND)
      string(TOLOWER ${lib} name)
      list(APPEND gui_missing "lib${name}")
    endif()
  endforeach()
  list(JOIN gui_missing ", " gui_missing)
  if(NOT gui_missing)
    set(TAMBERLINOVE_GUI_ENABLED ON)
  elseif(gui_mode STREQUAL "AUTO")
    message(WARNING "The window is not built, only the headless driver: missing ${gui_missing}. "
                    "scripts/bootstrap installs them; -DTAMBERLINOVE_GUI=OFF builds the driver "
                    "without this warning.")
  else()
    message(FATAL_ERROR "The window needs ${gui_missing}. scripts/bootstrap installs them; "
                        "-DTAMBERLINOVE_GUI=AUTO builds the headless driver alone.")
  endif()
endif()
