# tovix_add_pixel_data(<target> <picture>
#                      [NAME <name>] [MODE <mode>] [FORMAT 1|2|bytes]
#                      [THRESHOLD <r,g,b>] [OPTIONS <extra tovix-export options>...])
#
# Runs tovix-export on <picture> at build time, whenever the picture or the tool
# changes, and adds what it writes to <target>. The files go to the calling
# directory's binary folder, named <name>: <name>.c for FORMAT 1 (the default),
# <name>.txt for FORMAT 2, <name>.c and <name>.h for FORMAT bytes, whose folder
# joins the target's include path. <name>, the array's name, defaults to the
# picture's file name without its last extension.

# Functions keep the policies of their definition, whatever the caller's.
cmake_policy(PUSH)
cmake_policy(VERSION 3.20...3.25)

function(_tovix_pixel_data_error text)
  message(FATAL_ERROR "tovix_add_pixel_data: ${text}\n"
    "Usage: tovix_add_pixel_data(<target> <picture> [NAME <name>] [MODE <mode>] [FORMAT 1|2|bytes] "
    "[THRESHOLD <r,g,b>] [OPTIONS <option>...])")
endfunction()

# The words the tool takes after OPTION (--list-formats, --list-modes), read
# from the tool itself so that the function cannot drift from it.
function(_tovix_pixel_data_words option out)
  get_target_property(tool Tovix::tovix-export LOCATION)
  execute_process(COMMAND "${tool}" ${option} OUTPUT_VARIABLE text RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    _tovix_pixel_data_error("'${tool} ${option}' failed: ${result}")
  endif()
  string(STRIP "${text}" text)
  string(REGEX REPLACE "[ \n]+" ";" words "${text}")
  set(${out} "${words}" PARENT_SCOPE)
endfunction()

function(tovix_add_pixel_data)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;MODE;FORMAT;THRESHOLD" "OPTIONS")
  foreach(keyword IN LISTS arg_KEYWORDS_MISSING_VALUES)
    _tovix_pixel_data_error("${keyword} needs a value")
  endforeach()
  list(LENGTH arg_UNPARSED_ARGUMENTS count)
  if(NOT count EQUAL 2)
    _tovix_pixel_data_error("expected a target and one picture, got '${arg_UNPARSED_ARGUMENTS}'")
  endif()
  list(GET arg_UNPARSED_ARGUMENTS 0 target)
  list(GET arg_UNPARSED_ARGUMENTS 1 picture)

  if(NOT TARGET "${target}")
    _tovix_pixel_data_error("there is no target named '${target}'")
  endif()
  cmake_path(ABSOLUTE_PATH picture BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" NORMALIZE)
  get_source_file_property(generated "${picture}" GENERATED)
  if(NOT generated AND (NOT EXISTS "${picture}" OR IS_DIRECTORY "${picture}"))
    _tovix_pixel_data_error("the picture '${picture}' does not exist")
  endif()

  _tovix_pixel_data_words(--list-formats formats)
  if(NOT DEFINED arg_FORMAT)
    set(arg_FORMAT 1)
  elseif(NOT arg_FORMAT IN_LIST formats)
    list(JOIN formats ", " choices)
    _tovix_pixel_data_error("FORMAT must be one of ${choices}, not '${arg_FORMAT}'")
  elseif(arg_FORMAT STREQUAL "bin")
    _tovix_pixel_data_error("FORMAT bin writes no source to build; run tovix-export -f bin in a custom command")
  endif()
  _tovix_pixel_data_words(--list-modes modes)
  if(DEFINED arg_MODE AND NOT arg_MODE IN_LIST modes)
    list(JOIN modes ", " choices)
    _tovix_pixel_data_error("MODE must be one of ${choices}, not '${arg_MODE}'")
  endif()
  if(DEFINED arg_THRESHOLD)
    if(NOT arg_THRESHOLD MATCHES "^([0-9]+),([0-9]+),([0-9]+)$"
       OR CMAKE_MATCH_1 GREATER 255 OR CMAKE_MATCH_2 GREATER 255 OR CMAKE_MATCH_3 GREATER 255)
      _tovix_pixel_data_error("THRESHOLD must be R,G,B with each 0..255, not '${arg_THRESHOLD}'")
    endif()
  endif()

  foreach(option IN LISTS arg_OPTIONS)
    if(option MATCHES "^(-[fno]|--(format|name|output|header)(=|$))")
      _tovix_pixel_data_error("OPTIONS may not hold '${option}': the function sets the format, name and files")
    endif()
  endforeach()

  if(DEFINED arg_NAME)
    set(name "${arg_NAME}")
  else()
    cmake_path(GET picture STEM LAST_ONLY name)
  endif()
  # The name is both the array's and the files': it must be valid as either.
  if(NOT name MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    _tovix_pixel_data_error("'${name}' is not a C identifier; give one with NAME")
  endif()
  get_property(names DIRECTORY PROPERTY _TOVIX_PIXEL_DATA_NAMES)
  if(name IN_LIST names)
    _tovix_pixel_data_error("'${name}' is already generated in this directory; give another with NAME")
  endif()
  set_property(DIRECTORY APPEND PROPERTY _TOVIX_PIXEL_DATA_NAMES "${name}")

  if(NOT arg_FORMAT STREQUAL "2")
    get_property(languages GLOBAL PROPERTY ENABLED_LANGUAGES)
    if(NOT "C" IN_LIST languages)
      _tovix_pixel_data_error("the pixel data is C source: enable C in project() or with enable_language(C)")
    endif()
  endif()

  set(output_dir "${CMAKE_CURRENT_BINARY_DIR}")
  set(command Tovix::tovix-export -f ${arg_FORMAT} -n ${name} --force)
  if(arg_FORMAT STREQUAL "2")
    set(outputs "${output_dir}/${name}.txt")
  else()
    set(outputs "${output_dir}/${name}.c")
  endif()
  list(APPEND command -o ${outputs})
  if(arg_FORMAT STREQUAL "bytes")
    list(APPEND outputs "${output_dir}/${name}.h")
    list(APPEND command --header "${output_dir}/${name}.h")
    target_include_directories(${target} PRIVATE "${output_dir}")
  endif()
  if(DEFINED arg_MODE)
    list(APPEND command -m ${arg_MODE})
  endif()
  if(DEFINED arg_THRESHOLD)
    list(APPEND command -t ${arg_THRESHOLD})
  endif()
  list(APPEND command ${arg_OPTIONS} -- "${picture}")

  cmake_path(GET picture FILENAME picture_name)
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${command}
    DEPENDS "${picture}" Tovix::tovix-export
    COMMENT "Pixel data ${name} from ${picture_name}"
    VERBATIM)
  target_sources(${target} PRIVATE ${outputs})
endfunction()

cmake_policy(POP)
