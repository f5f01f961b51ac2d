# Fails when a file includes what its layer must not see. Dependencies point
# one way (engine, match, document, render, then ui/app; cli beside ui), and
# each layer may use only part of Qt: the engine and the match rules none,
# the document layer QtCore, the render layer QtGui but no widgets.
# -DROOT=<source tree> -DQT_INCLUDE_DIR=<folder holding QtCore/, QtGui/, ...>

cmake_minimum_required(VERSION 3.25)

# The header names of a Qt module, as an include may spell them.
function(qt_module_headers module out)
  file(GLOB names RELATIVE ${QT_INCLUDE_DIR}/${module} ${QT_INCLUDE_DIR}/${module}/*)
  if(NOT names)
    message(FATAL_ERROR "No ${module} headers in ${QT_INCLUDE_DIR}/${module}")
  endif()
  set(${out} ${module} ${names} PARENT_SCOPE)
endfunction()

qt_module_headers(QtGui gui_headers)
qt_module_headers(QtWidgets widget_headers)
qt_module_headers(QtPrintSupport print_headers)

set(offenders)
# check_layer(<layer> <what> <forbidden header names> <forbidden project folders>)
# An include is forbidden when it names a forbidden header, with or without
# its module folder, or a file of a forbidden project folder. <what> "Qt"
# forbids every Qt header.
function(check_layer layer what headers folders)
  file(GLOB_RECURSE files ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp)
  foreach(f IN LISTS files)
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" path "${line}")
      string(REGEX MATCH "^[^/]+" first "${path}")
      get_filename_component(name "${path}" NAME)
      set(reason "")
      if(what STREQUAL "Qt" AND path MATCHES "^(Q[A-Za-z]+|Qt[A-Za-z]*/|q[a-z]+\\.h$)")
        set(reason "${layer}/ may not use Qt")
      elseif(path MATCHES "/" AND first IN_LIST folders)
        set(reason "${layer}/ lies below ${first}/")
      elseif(path MATCHES "^Qt[A-Za-z]*/" AND first IN_LIST headers)
        set(reason "${layer}/ may not use ${what}")
      elseif(NOT path MATCHES "/" AND name IN_LIST headers)
        set(reason "${layer}/ may not use ${what}")
      endif()
      if(reason)
        list(APPEND offenders "${f}: ${line} (${reason})")
      endif()
    endforeach()
  endforeach()
  set(offenders ${offenders} PARENT_SCOPE)
endfunction()

check_layer(engine "Qt" "" "match;document;render;ui;app;cli")
check_layer(match "Qt" "" "document;render;ui;app;cli")
check_layer(document "QtGui or widgets" "${gui_headers};${widget_headers};${print_headers}"
            "render;ui;app;cli")
check_layer(render "widgets" "${widget_headers};${print_headers}" "ui;app;cli")

if(offenders)
  string(REPLACE ";" "\n" msg "${offenders}")
  message(FATAL_ERROR "Includes across the layers:\n${msg}")
endif()
message(STATUS "Every layer includes only what it may")
