# Fails when PROGRAM loads QtGui, QtWidgets or QtPrintSupport, directly or
# through another library (ldd lists both).
# -DPROGRAM=<path of lumikan-cli>
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE libraries ERROR_VARIABLE error
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ldd ${PROGRAM} failed: ${error}")
endif()
if(NOT libraries MATCHES "libQt6Core")
  message(FATAL_ERROR "ldd ${PROGRAM} lists no QtCore; cannot judge:\n${libraries}")
endif()
string(REGEX MATCHALL "libQt6(Gui|Widgets|PrintSupport|OpenGL)[^ \t\n]*" drawing "${libraries}")
list(REMOVE_DUPLICATES drawing)
if(drawing)
  message(FATAL_ERROR "${PROGRAM} loads ${drawing}")
endif()
message(STATUS "${PROGRAM} loads no drawing library")
