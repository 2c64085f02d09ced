# Shared settings for every library and program of the project.
function(pagewick_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-missing-field-initializers)
  # The normal build has no warnings and keeps it so; the fuzz build's
  # compiler warns of other things.
  if(NOT PAGEWICK_FUZZ)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE QT_USE_QSTRINGBUILDER
    QT_NO_CAST_FROM_BYTEARRAY)
endfunction()

# An engine library sees Qt Core (and the given extras) only: a widget header does not compile in it.
function(pagewick_engine_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC Qt6::Core ${ARG_LINKS})
  target_precompile_headers(${target} PRIVATE <QtCore/QString> <QtCore/QStringList> <QtCore/QHash>)
  pagewick_target_defaults(${target})
endfunction()

function(pagewick_ui_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC Qt6::Widgets ${ARG_LINKS})
  target_precompile_headers(${target} PRIVATE <QtWidgets/QWidget> <QtCore/QString>)
  pagewick_target_defaults(${target})
endfunction()
