# The calculators' arithmetic reaches nothing of the dialogs: following the
# project's own #include lines from every source of the arithmetic libraries,
# no file of ui/ or app/ and no header of a dialog library is reached.
# Called with ROOT (the source folder), SOURCES (the arithmetic's sources) and
# DIALOG_SOURCES (the dialog libraries' sources, whose headers are forbidden).
cmake_minimum_required(VERSION 3.20)
set(forbidden "")
foreach(source ${DIALOG_SOURCES})
  string(REGEX REPLACE "\\.cpp$" ".h" header "${source}")
  file(RELATIVE_PATH header "${ROOT}" "${header}")
  list(APPEND forbidden "${header}")
endforeach()

set(pending "")
foreach(source ${SOURCES})
  file(RELATIVE_PATH source "${ROOT}" "${source}")
  list(APPEND pending "${source}")
endforeach()
set(seen "")
while(pending)
  list(POP_FRONT pending file)
  if(file IN_LIST seen)
    continue()
  endif()
  list(APPEND seen "${file}")
  if(NOT EXISTS "${ROOT}/${file}")
    continue()  # generated, or not the project's
  endif()
  file(STRINGS "${ROOT}/${file}" includes REGEX "^#include \"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
    if(included MATCHES "^(ui|app|tools)/" OR included IN_LIST forbidden)
      message(FATAL_ERROR "${file} includes ${included}: the arithmetic must not reach the dialogs")
    endif()
    list(APPEND pending "${included}")
  endforeach()
endwhile()
list(LENGTH seen count)
message(STATUS "${count} files of the arithmetic reach no dialog")
