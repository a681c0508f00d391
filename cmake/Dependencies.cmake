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
find_package(nlohmann_json 3 REQUIRED)

if(TAMBERLINOVE_TESTS)
  find_package(GTest REQUIRED)
endif()
if(TAMBERLINOVE_BENCH)
  find_package(benchmark REQUIRED)
endif()

set(TAMBERLINOVE_GUI_ENABLED OFF)
if(TAMBERLINOVE_GUI)
  find_package(Qt6 6.4 COMPONENTS Core Gui Qml Quick QUIET)
  if(Qt6_FOUND)
    set(TAMBERLINOVE_GUI_ENABLED ON)
  else()
    message(WARNING "Qt 6 not found: the Qt Quick application is not built (run scripts/bootstrap)")
  endif()
endif()
