# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and uses the CMake package from
# there: a consumer project builds its arrays from pictures and checks them,
# a touched picture regenerates only its own arrays, a new tool all of them,
# and wrong calls of tovix_add_pixel_data stop the configuration with the
# whole reason. The consumer builds against the build folder's package too.
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

# The consumer against the package in PACKAGE_PREFIX, built in BUILD.
function(build_consumer package_prefix build)
  run(${CMAKE_COMMAND} -S "${WORK_DIR}/src" -B "${build}" -G Ninja "-DCMAKE_PREFIX_PATH=${package_prefix}"
      "-DLVGL9_INCLUDE_DIR=${SOURCE_DIR}/../third_party/lvgl9")
  run(${CMAKE_COMMAND} --build "${build}")
  run("${build}/check_pixel_data")
  run("${build}/check_comma_list")
  run("${build}/check_targets")
  file(STRINGS "${build}/sprite_list.txt" first_line LIMIT_COUNT 1)
  if(NOT first_line STREQUAL "TOVIX_256,4,3,")
    message(FATAL_ERROR "sprite_list.txt begins with '${first_line}'")
  endif()
endfunction()

# Without an install, the build folder's own package runs its own tool.
build_consumer("${TOVIX_BUILD_DIR}" "${WORK_DIR}/build_tree")
file(STRINGS "${WORK_DIR}/build_tree/build.ninja" tool_runs REGEX "tovix-export")
string(FIND "${tool_runs}" "${TOVIX_BUILD_DIR}/bin/tovix-export" found)
if(found EQUAL -1)
  message(FATAL_ERROR "the build folder's package does not run ${TOVIX_BUILD_DIR}/bin/tovix-export")
endif()

set(build "${WORK_DIR}/build")
build_consumer("${prefix}" "${build}")

file(TOUCH "${WORK_DIR}/src/pictures/sprite.bmp")
run(${CMAKE_COMMAND} --build "${build}" --verbose)
string(REGEX MATCHALL "[^\n]*tovix-export [^\n]*" regenerated "${out}")
list(LENGTH regenerated count)
list(FILTER regenerated INCLUDE REGEX "sprite\\.bmp$")
list(LENGTH regenerated from_sprite)
if(NOT count EQUAL 6 OR NOT from_sprite EQUAL 6)
  message(FATAL_ERROR "touching sprite.bmp should regenerate its six arrays and nothing else:\n${out}")
endif()

file(TOUCH "${prefix}/bin/tovix-export")
run(${CMAKE_COMMAND} --build "${build}" --verbose)
string(REGEX MATCHALL "[^\n]*tovix-export [^\n]*" regenerated "${out}")
list(LENGTH regenerated count)
if(NOT count EQUAL 10)
  message(FATAL_ERROR "a new tovix-export should regenerate all ten arrays:\n${out}")
endif()

# A project that sets no policies finds the package without a policy warning.
file(WRITE "${WORK_DIR}/old_policies/CMakeLists.txt" "project(old_policies NONE)\nfind_package(Tovix 3 REQUIRED)\n")
run(${CMAKE_COMMAND} -S "${WORK_DIR}/old_policies" -B "${WORK_DIR}/old_policies/build" "-DCMAKE_PREFIX_PATH=${prefix}")
string(REGEX REPLACE "[ \n]+" " " out "${out}")   # CMake wraps the warning's lines
if(out MATCHES "Policy CMP[0-9]+ is not set")
  message(FATAL_ERROR "finding the package warns: ${CMAKE_MATCH_0}:\n${out}")
endif()

# Each case: the whole message, which the usage line must follow, then the
# calls. What tovix-export itself refuses is named by the arguments the
# function gives it, and the tool's own first line (@TOOL@) follows.
set(sprite "${WORK_DIR}/src/pictures/sprite.bmp")
set(tiles "${WORK_DIR}/src/pictures/tiles.tvx")
file(COPY_FILE "${sprite}" "${WORK_DIR}/logo.v2.png")
set(calls_file "${WORK_DIR}/calls.cmake")
function(refused expected)
  list(JOIN ARGN "\n" calls)
  file(WRITE "${calls_file}" "${calls}\n")
  set(with_c ON)
  if(expected MATCHES "^the pixel data is C source")
    set(with_c OFF)
  endif()
  # The tool's reason, from the arguments the message names, on a picture
  # that is not there, as the function asks it.
  if(expected MATCHES "refuses '([^']*)': @TOOL@$")
    separate_arguments(arguments UNIX_COMMAND "${CMAKE_MATCH_1}")
    string(REGEX MATCH "\\(app [^ )]*/([^ )/]+)" picture "${calls}")
    execute_process(COMMAND "${prefix}/bin/tovix-export" ${arguments} -o "${WORK_DIR}/nowhere/x.c"
                            -- "${WORK_DIR}/nowhere/${CMAKE_MATCH_1}"
                    OUTPUT_QUIET ERROR_VARIABLE reason)
    string(REGEX MATCH "tovix-export: ([^\n]*)" reason "${reason}")
    string(REPLACE "@TOOL@" "${CMAKE_MATCH_1}" expected "${expected}")
  endif()
  # One build folder for all cases, so that the C compiler is looked for once.
  execute_process(COMMAND ${CMAKE_COMMAND} -S "${SOURCE_DIR}/misuse" -B "${WORK_DIR}/misuse" -G Ninja
                          "-DCMAKE_PREFIX_PATH=${prefix}" "-DTOVIX_CALLS=${calls_file}" -DWITH_C=${with_c}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  string(REGEX REPLACE "[ \n]+" " " out "${out}")   # CMake wraps the message's lines
  string(FIND "${out}" "tovix_add_pixel_data: ${expected} Usage: tovix_add_pixel_data(" found)
  if(status EQUAL 0 OR found EQUAL -1)
    message(FATAL_ERROR "${calls}: expected a failed configuration saying, whole,\n'${expected}'\ngot (${status}):\n${out}")
  endif()
endfunction()

set(sets "the function sets the format, library, name, mode, thresholds and files (FORMAT, TARGET, NAME, MODE, THRESHOLD)")
set(static "the array is compiled in a file of its own, so it cannot be static")
refused("expected a target and one picture, got 'app'"
  "tovix_add_pixel_data(app)")
refused("there is no target named 'nosuch'"
  "tovix_add_pixel_data(nosuch ${sprite})")
refused("the picture '${SOURCE_DIR}/misuse/missing.bmp' does not exist"
  "tovix_add_pixel_data(app missing.bmp)")
refused("FORMAT must be 1, 2 or bytes, not '3'"
  "tovix_add_pixel_data(app ${sprite} FORMAT 3)")
refused("tovix-export refuses '-f 1 -n sprite -m 4': @TOOL@"
  "tovix_add_pixel_data(app ${sprite} MODE 4)")
refused("tovix-export refuses '-f 1 -n sprite -m grey4': @TOOL@"
  "tovix_add_pixel_data(app ${sprite} MODE grey4)")
refused("FORMAT bin writes no source to build; run tovix-export -f bin in a custom command"
  "tovix_add_pixel_data(app ${sprite} FORMAT bin)")
refused("MODE needs a value"
  "tovix_add_pixel_data(app ${sprite} MODE)")
refused("tovix-export refuses '-f 1 -n sprite -t 1,2': @TOOL@"
  "tovix_add_pixel_data(app ${sprite} THRESHOLD 1,2)")
refused("tovix-export refuses '-f 1 -n sprite -t 1,2,256': @TOOL@"
  "tovix_add_pixel_data(app ${sprite} THRESHOLD 1,2,256)")
refused("'9lives' is not a C identifier; give one with NAME"
  "tovix_add_pixel_data(app ${sprite} NAME 9lives)")
refused("'logo.v2' is not a C identifier; give one with NAME"
  "tovix_add_pixel_data(app ${WORK_DIR}/logo.v2.png)")
refused("expected a target and one picture, got 'app ${sprite} SIZE 2'"
  "tovix_add_pixel_data(app ${sprite} SIZE 2)")
refused("OPTIONS may not hold '-ofile.c': ${sets}"
  "tovix_add_pixel_data(app ${sprite} OPTIONS --force -ofile.c)")
refused("OPTIONS may not hold '-m6': ${sets}"
  "tovix_add_pixel_data(app ${sprite} OPTIONS -m6)")
refused("OPTIONS may not hold '--outp=x.c': ${sets}"
  "tovix_add_pixel_data(app ${sprite} OPTIONS --outp=x.c)")
refused("OPTIONS may not hold '--for': ${sets}"
  "tovix_add_pixel_data(app ${sprite} OPTIONS --for lvgl9)")
refused("OPTIONS may not hold '--static': ${static}"
  "tovix_add_pixel_data(app ${sprite} FORMAT bytes OPTIONS --static)")
refused("OPTIONS may not hold '--stat': ${static}"
  "tovix_add_pixel_data(app ${sprite} OPTIONS --stat)")
refused("tovix-export refuses '-f 1 -n sprite --invert': @TOOL@"
  "tovix_add_pixel_data(app ${sprite} OPTIONS --invert)")
refused("tovix-export refuses '-f bytes -n sprite -m 565 --invert': @TOOL@"
  "tovix_add_pixel_data(app ${sprite} FORMAT bytes MODE 565 OPTIONS --invert)")
refused("tovix-export refuses '-f 1 -n sprite --frobnicate': @TOOL@"
  "tovix_add_pixel_data(app ${sprite} OPTIONS --frobnicate)")
refused("tovix-export refuses '-f 1 -n tiles --background 0,0,0': @TOOL@"
  "tovix_add_pixel_data(app ${tiles} OPTIONS --background 0,0,0)")
refused("tovix-export refuses '-f 1 -n sprite other.bmp': @TOOL@"
  "tovix_add_pixel_data(app ${sprite} OPTIONS other.bmp)")
refused("TARGET must be u8g2, adafruit-gfx, tft-espi, ssd1306, sh1106, xbm, lvgl9, lvgl9-xrgb8888, lvgl8, epaper or epaper-yellow, not 'st7735'"
  "tovix_add_pixel_data(app ${sprite} TARGET st7735)")
refused("TARGET writes its library's own source: it cannot go with FORMAT"
  "tovix_add_pixel_data(app ${sprite} TARGET lvgl9 FORMAT bytes)")
refused("tovix-export refuses '--for lvgl9 -n sprite -m mono': @TOOL@"
  "tovix_add_pixel_data(app ${sprite} TARGET lvgl9 MODE mono)")
refused("'sprite' is already generated in this directory; give another with NAME"
  "tovix_add_pixel_data(app ${sprite} FORMAT 2)"
  "tovix_add_pixel_data(app ${sprite})")
refused("the pixel data is C source: enable C in project() or with enable_language(C)"
  "tovix_add_pixel_data(app ${sprite})")
refused("the pixel data is C source: enable C in project() or with enable_language(C)"
  "tovix_add_pixel_data(app ${sprite} TARGET xbm)")
