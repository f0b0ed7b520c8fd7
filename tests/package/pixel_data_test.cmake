# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and uses the CMake package from
# there: a consumer project builds its arrays from pictures and checks them,
# a touched picture regenerates only its own arrays, a new tool all of them,
# and wrong calls of tovix_add_pixel_data stop the configuration with the
# reason.
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
run("${build}/check_comma_list")
file(STRINGS "${build}/sprite_list.txt" first_line LIMIT_COUNT 1)
if(NOT first_line STREQUAL "TOVIX_256,4,3,")
  message(FATAL_ERROR "sprite_list.txt begins with '${first_line}'")
endif()

file(TOUCH "${WORK_DIR}/src/pictures/sprite.bmp")
run(${CMAKE_COMMAND} --build "${build}" --verbose)
string(REGEX MATCHALL "[^\n]*tovix-export [^\n]*" regenerated "${out}")
list(LENGTH regenerated count)
list(FILTER regenerated INCLUDE REGEX "sprite\\.bmp$")
list(LENGTH regenerated from_sprite)
if(NOT count EQUAL 4 OR NOT from_sprite EQUAL 4)
  message(FATAL_ERROR "touching sprite.bmp should regenerate its four arrays and nothing else:\n${out}")
endif()

file(TOUCH "${prefix}/bin/tovix-export")
run(${CMAKE_COMMAND} --build "${build}" --verbose)
string(REGEX MATCHALL "[^\n]*tovix-export [^\n]*" regenerated "${out}")
list(LENGTH regenerated count)
if(NOT count EQUAL 7)
  message(FATAL_ERROR "a new tovix-export should regenerate all seven arrays:\n${out}")
endif()

# A project that sets no policies finds the package without a policy warning.
file(WRITE "${WORK_DIR}/old_policies/CMakeLists.txt" "project(old_policies NONE)\nfind_package(Tovix 3 REQUIRED)\n")
run(${CMAKE_COMMAND} -S "${WORK_DIR}/old_policies" -B "${WORK_DIR}/old_policies/build" "-DCMAKE_PREFIX_PATH=${prefix}")
string(REGEX REPLACE "[ \n]+" " " out "${out}")   # CMake wraps the warning's lines
if(out MATCHES "Policy CMP[0-9]+ is not set")
  message(FATAL_ERROR "finding the package warns: ${CMAKE_MATCH_0}:\n${out}")
endif()

# Each case: the calls, one a line, then what the error must say. What
# tovix-export itself refuses is named by the arguments the function gives it;
# the tool's own tests check its reasons.
set(sprite "${WORK_DIR}/src/pictures/sprite.bmp")
set(tiles "${WORK_DIR}/src/pictures/tiles.tvx")
file(COPY_FILE "${sprite}" "${WORK_DIR}/logo.v2.png")
set(cases
  "tovix_add_pixel_data(app)|expected a target and one picture"
  "tovix_add_pixel_data(nosuch ${sprite})|no target named 'nosuch'"
  "tovix_add_pixel_data(app missing.bmp)|does not exist"
  "tovix_add_pixel_data(app ${sprite} FORMAT 3)|FORMAT must be 1, 2 or bytes, not '3'"
  "tovix_add_pixel_data(app ${sprite} MODE 4)|tovix-export refuses '-f 1 -n sprite -m 4':"
  "tovix_add_pixel_data(app ${sprite} MODE grey4)|tovix-export refuses '-f 1 -n sprite -m grey4':"
  "tovix_add_pixel_data(app ${sprite} FORMAT bin)|FORMAT bin writes no source"
  "tovix_add_pixel_data(app ${sprite} MODE)|MODE needs a value"
  "tovix_add_pixel_data(app ${sprite} THRESHOLD 1,2)|refuses '-f 1 -n sprite -t 1,2':"
  "tovix_add_pixel_data(app ${sprite} THRESHOLD 1,2,256)|refuses '-f 1 -n sprite -t 1,2,256':"
  "tovix_add_pixel_data(app ${sprite} NAME 9lives)|'9lives' is not a C identifier"
  "tovix_add_pixel_data(app ${WORK_DIR}/logo.v2.png)|'logo.v2' is not a C identifier"
  "tovix_add_pixel_data(app ${sprite} SIZE 2)|expected a target and one picture"
  "tovix_add_pixel_data(app ${sprite} OPTIONS --force -ofile.c)|OPTIONS may not hold '-ofile.c'"
  "tovix_add_pixel_data(app ${sprite} OPTIONS -m6)|OPTIONS may not hold '-m6'"
  "tovix_add_pixel_data(app ${sprite} OPTIONS --outp=x.c)|OPTIONS may not hold '--outp=x.c'"
  "tovix_add_pixel_data(app ${sprite} FORMAT bytes OPTIONS --static)|OPTIONS may not hold '--static'"
  "tovix_add_pixel_data(app ${sprite} OPTIONS --stat)|OPTIONS may not hold '--stat'"
  "tovix_add_pixel_data(app ${sprite} OPTIONS --invert)|refuses '-f 1 -n sprite --invert':"
  "tovix_add_pixel_data(app ${sprite} FORMAT bytes MODE 565 OPTIONS --invert)|refuses '-f bytes -n sprite -m 565 --invert':"
  "tovix_add_pixel_data(app ${sprite} OPTIONS --frobnicate)|refuses '-f 1 -n sprite --frobnicate':"
  "tovix_add_pixel_data(app ${tiles} OPTIONS --background 0,0,0)|refuses '-f 1 -n tiles --background 0,0,0':"
  "tovix_add_pixel_data(app ${sprite} OPTIONS other.bmp)|refuses '-f 1 -n sprite other.bmp':"
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
