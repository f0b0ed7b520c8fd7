# Installs the build into a temporary prefix and uses the CMake package from
# there: a consumer project builds its arrays from pictures and checks them,
# a touched picture regenerates only its own arrays, and wrong calls of
# tovix_add_pixel_data stop the configuration with the reason.
# cmake -DTOVIX_BUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -P pixel_data_test.cmake

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")
run(${CMAKE_COMMAND} --install "${TOVIX_BUILD_DIR}" --prefix "${prefix}")
file(COPY "${SOURCE_DIR}/consumer/" DESTINATION "${WORK_DIR}/src")

set(build "${WORK_DIR}/build")
run(${CMAKE_COMMAND} -S "${WORK_DIR}/src" -B "${build}" -G Ninja "-DCMAKE_PREFIX_PATH=${prefix}")
run(${CMAKE_COMMAND} --build "${build}")
run("${build}/check_pixel_data")
file(STRINGS "${build}/sprite_list.txt" first_line LIMIT_COUNT 1)
if(NOT first_line STREQUAL "TOVIX_256,4,3,")
  message(FATAL_ERROR "sprite_list.txt begins with '${first_line}'")
endif()

file(TOUCH "${WORK_DIR}/src/pictures/sprite.bmp")
run(${CMAKE_COMMAND} --build "${build}" --verbose)
string(REGEX MATCHALL "[^\n]*tovix-export [^\n]*" regenerated "${out}")
list(LENGTH regenerated count)
if(NOT count EQUAL 2 OR NOT regenerated MATCHES "sprite.bmp.*sprite.bmp")
  message(FATAL_ERROR "touching sprite.bmp should regenerate its two arrays and nothing else:\n${out}")
endif()

# Each case: the calls, one a line, then what the error must say.
set(sprite "${WORK_DIR}/src/pictures/sprite.bmp")
set(cases
  "tovix_add_pixel_data(app)|expected a target and one picture"
  "tovix_add_pixel_data(nosuch ${sprite})|no target named 'nosuch'"
  "tovix_add_pixel_data(app missing.bmp)|does not exist"
  "tovix_add_pixel_data(app ${sprite} FORMAT 3)|FORMAT must be"
  "tovix_add_pixel_data(app ${sprite} FORMAT bin)|FORMAT bin writes no source"
  "tovix_add_pixel_data(app ${sprite} MODE 7)|MODE must be"
  "tovix_add_pixel_data(app ${sprite} MODE)|MODE needs a value"
  "tovix_add_pixel_data(app ${sprite} THRESHOLD 1,2)|THRESHOLD must be"
  "tovix_add_pixel_data(app ${sprite} THRESHOLD 1,2,256)|THRESHOLD must be"
  "tovix_add_pixel_data(app ${sprite} NAME 9lives)|'9lives' is not a C identifier"
  "tovix_add_pixel_data(app ${sprite} SIZE 2)|expected a target and one picture"
  "tovix_add_pixel_data(app ${sprite} OPTIONS --force -ofile.c)|OPTIONS may not hold '-ofile.c'"
  "tovix_add_pixel_data(app ${sprite} FORMAT 2)|tovix_add_pixel_data(app ${sprite})|'sprite' is already generated"
  "tovix_add_pixel_data(app ${sprite})|enable C")
set(calls_file "${WORK_DIR}/calls.cmake")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" case "${case}")
  list(POP_BACK case expected)
  list(JOIN case "\n" calls)
  file(WRITE "${calls_file}" "${calls}\n")
  set(with_c ON)
  if(expected STREQUAL "enable C")
    set(with_c OFF)
  endif()
  # One build folder for all cases, so that the C compiler is looked for once.
  execute_process(COMMAND ${CMAKE_COMMAND} -S "${SOURCE_DIR}/misuse" -B "${WORK_DIR}/misuse" -G Ninja
                          "-DCMAKE_PREFIX_PATH=${prefix}" "-DTOVIX_CALLS=${calls_file}" -DWITH_C=${with_c}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  string(REGEX REPLACE "[ \n]+" " " out "${out}")   # CMake wraps the message's lines
  string(FIND "${out}" "${expected}" found)
  if(status EQUAL 0 OR found EQUAL -1)
    message(FATAL_ERROR "${calls}: expected a failed configuration saying '${expected}', got (${status}):\n${out}")
  endif()
endforeach()
