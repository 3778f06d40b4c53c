# Debian ships QScintilla for Qt 6 without CMake or pkg-config files.
get_target_property(_qt_core_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
find_path(QSCINTILLA_INCLUDE_DIR Qsci/qsciscintilla.h
  HINTS ${_qt_core_includes} ${_qt_core_includes}/..
  PATHS /usr/include/x86_64-linux-gnu/qt6 /usr/include/qt6 /usr/include/aarch64-linux-gnu/qt6)
find_library(QSCINTILLA_LIBRARY NAMES qscintilla2_qt6)
if(NOT QSCINTILLA_INCLUDE_DIR OR NOT QSCINTILLA_LIBRARY)
  message(FATAL_ERROR "QScintilla for Qt 6 not found (Debian: libqscintilla2-qt6-dev)")
endif()
add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
set_target_properties(QScintilla::QScintilla PROPERTIES
  IMPORTED_LOCATION ${QSCINTILLA_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${QSCINTILLA_INCLUDE_DIR}
  # Its headers say signals/slots, which QT_NO_KEYWORDS leaves undefined.
  INTERFACE_COMPILE_DEFINITIONS "QSCINTILLA_DLL;signals=Q_SIGNALS;slots=Q_SLOTS"
  INTERFACE_LINK_LIBRARIES "Qt6::Widgets;Qt6::PrintSupport")
