# Copies the Swiss Ephemeris data, the atlas files and the user guide beside the executables.
set(LUMIKAN_EPHE_SOURCE "/usr/share/libswe/ephe" CACHE PATH "Swiss Ephemeris data files")
set(LUMIKAN_BIN_DIR ${CMAKE_BINARY_DIR}/bin)

file(GLOB _lumikan_ephe_files CONFIGURE_DEPENDS "${LUMIKAN_EPHE_SOURCE}/*.se1" "${LUMIKAN_EPHE_SOURCE}/*.txt")
set(_lumikan_ephe_outputs)
foreach(_f IN LISTS _lumikan_ephe_files)
  get_filename_component(_name ${_f} NAME)
  list(APPEND _lumikan_ephe_outputs ${LUMIKAN_BIN_DIR}/ephe/${_name})
  add_custom_command(OUTPUT ${LUMIKAN_BIN_DIR}/ephe/${_name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMIKAN_BIN_DIR}/ephe
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_f} ${LUMIKAN_BIN_DIR}/ephe/${_name}
    DEPENDS ${_f} VERBATIM)
endforeach()

file(GLOB _lumikan_mondo_files CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/mondo/*.bin" "${CMAKE_SOURCE_DIR}/mondo/*.zones")
set(_lumikan_mondo_outputs)
foreach(_f IN LISTS _lumikan_mondo_files)
  get_filename_component(_name ${_f} NAME)
  list(APPEND _lumikan_mondo_outputs ${LUMIKAN_BIN_DIR}/mondo/${_name})
  add_custom_command(OUTPUT ${LUMIKAN_BIN_DIR}/mondo/${_name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMIKAN_BIN_DIR}/mondo
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_f} ${LUMIKAN_BIN_DIR}/mondo/${_name}
    DEPENDS ${_f} VERBATIM)
endforeach()

# The user guide's pages, shown by the program's help window.
file(GLOB _lumikan_guide_files CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/docs/guide/*")
set(_lumikan_guide_outputs)
foreach(_f IN LISTS _lumikan_guide_files)
  get_filename_component(_name ${_f} NAME)
  list(APPEND _lumikan_guide_outputs ${LUMIKAN_BIN_DIR}/guide/${_name})
  add_custom_command(OUTPUT ${LUMIKAN_BIN_DIR}/guide/${_name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LUMIKAN_BIN_DIR}/guide
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_f} ${LUMIKAN_BIN_DIR}/guide/${_name}
    DEPENDS ${_f} VERBATIM)
endforeach()

add_custom_target(lumikan_data ALL
  DEPENDS ${_lumikan_ephe_outputs} ${_lumikan_mondo_outputs} ${_lumikan_guide_outputs})
