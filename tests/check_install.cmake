# Installs the build into a fresh PREFIX as `make install` does, checks the
# tree a user gets (both programs stripped and working from there, both manual
# pages rendering without a warning, the shell completion, the launcher
# files), then uninstalls and checks that no file is left.
# -DBUILD=<build folder> -DPREFIX=<a folder this test may empty>
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}" --strip
  OUTPUT_QUIET ERROR_VARIABLE error RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${error}")
endif()

set(problems "")
macro(problem text)
  string(APPEND problems "\n  ${text}")
endmacro()

foreach(path
    bin/lumikan bin/lumikan-cli
    lib/lumikan/lumikan lib/lumikan/lumikan-cli lib/lumikan/lumikan-report
    lib/lumikan/ephe/sepl_18.se1 lib/lumikan/mondo/in.bin
    share/man/man1/lumikan.1 share/man/man1/lumikan-cli.1
    share/bash-completion/completions/lumikan-cli
    share/metainfo/org.example.lumikan.metainfo.xml
    share/applications/lumikan.desktop share/mime/packages/lumikan.xml
    share/icons/hicolor/scalable/apps/lumikan.svg)
  if(NOT EXISTS "${PREFIX}/${path}")
    problem("missing ${path}")
  endif()
endforeach()

# Stripped: no symbol table is left in the programs.
foreach(program lumikan lumikan-cli lumikan-report)
  execute_process(COMMAND readelf -S "${PREFIX}/lib/lumikan/${program}"
    OUTPUT_VARIABLE sections RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR sections MATCHES "\\.symtab")
    problem("${program} is not stripped")
  endif()
endforeach()

# The installed command finds its data beside itself through the bin/ link.
execute_process(COMMAND "${PREFIX}/bin/lumikan-cli" --version
  OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "${PREFIX}/lib/lumikan/ephe")
  problem("bin/lumikan-cli --version does not name the installed data: ${version}")
endif()

file(READ "${PREFIX}/share/applications/lumikan.desktop" entry)
if(NOT entry MATCHES "Exec=\"${PREFIX}/bin/lumikan\" %f")
  problem("the launcher entry does not start ${PREFIX}/bin/lumikan")
endif()

foreach(page lumikan lumikan-cli)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env MANPAGER=cat MANWIDTH=80 LC_ALL=C.UTF-8
      man --warnings -l "${PREFIX}/share/man/man1/${page}.1"
    OUTPUT_VARIABLE text ERROR_VARIABLE warnings RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT warnings STREQUAL "" OR NOT text MATCHES "NAME\n +${page} +-")
    problem("man -l ${page}.1 (status ${status}): ${warnings}")
  endif()
endforeach()

# The completion offers a command's options and an option's values.
execute_process(COMMAND bash -c [[
    source "$1"
    complete_words() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _lumikan_cli; echo "${COMPREPLY[*]}"; }
    complete_words lumikan-cli ch
    complete_words lumikan-cli chart --ay
    complete_words lumikan-cli export --format ""
  ]] completion "${PREFIX}/share/bash-completion/completions/lumikan-cli"
  OUTPUT_VARIABLE offered ERROR_VARIABLE error)
if(NOT offered STREQUAL "chart\n--ayanamsa\njson csv aaf\n")
  problem("the completion offers \"${offered}\" ${error}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -DPREFIX=${PREFIX}
    -P ${CMAKE_CURRENT_LIST_DIR}/../cmake/Uninstall.cmake
  OUTPUT_QUIET ERROR_VARIABLE error RESULT_VARIABLE status)
file(GLOB_RECURSE left LIST_DIRECTORIES false "${PREFIX}/*")
if(NOT status EQUAL 0 OR left)
  problem("uninstall (status ${status}) left ${left} ${error}")
endif()

if(problems)
  message(FATAL_ERROR "The installed tree under ${PREFIX}:${problems}")
endif()
message(STATUS "The installed tree under ${PREFIX} is complete, and uninstalls")
file(REMOVE_RECURSE "${PREFIX}")
