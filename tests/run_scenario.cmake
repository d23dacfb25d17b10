# Plays one scenario: DRIVER runs SCRIPT in a fresh WORK_DIR; the output must
# equal the .expected file beside the script, and every file in the .files
# folder beside it must equal the file of the same name that the run left.
# LAUNCHER, when given, runs the driver (for example under Wine).
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(expected_file ${dir}/${name}.expected)
set(expected_files_dir ${dir}/${name}.files)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
separate_arguments(launcher UNIX_COMMAND "${LAUNCHER}")
execute_process(
  COMMAND ${launcher} ${DRIVER} ${SCRIPT}
  WORKING_DIRECTORY ${WORK_DIR}
  OUTPUT_FILE ${WORK_DIR}/actual.out
  ERROR_VARIABLE errors
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${name}: the driver failed (${result}): ${errors}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${expected_file} ${WORK_DIR}/actual.out
                RESULT_VARIABLE differs)
if(differs)
  find_program(DIFF diff)
  if(DIFF)
    execute_process(COMMAND ${DIFF} -u ${expected_file} ${WORK_DIR}/actual.out)
  endif()
  message(FATAL_ERROR "${name}: output differs from ${expected_file}")
endif()

if(IS_DIRECTORY ${expected_files_dir})
  file(GLOB expected_files RELATIVE ${expected_files_dir} ${expected_files_dir}/*)
  foreach(file ${expected_files})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                      ${expected_files_dir}/${file} ${WORK_DIR}/${file}
                    RESULT_VARIABLE file_differs)
    if(file_differs)
      message(FATAL_ERROR "${name}: ${file} differs from ${expected_files_dir}/${file}")
    endif()
  endforeach()
endif()
