# SPDX-License-Identifier: GPL-3.0-or-later
# tovix_add_pixel_data(<target> <picture>
#                      [NAME <name>] [MODE <mode>] [FORMAT 1|2|bytes | TARGET <library>]
#                      [THRESHOLD <r,g,b>] [OPTIONS <extra tovix-export options>...])
#
# Runs tovix-export on <picture> at build time, whenever the picture or the tool
# changes, and adds what it writes to <target>. The files go to the calling
# directory's binary folder, named <name>: <name>.c for FORMAT 1 (the default),
# <name>.txt for FORMAT 2, <name>.c and <name>.h for FORMAT bytes; TARGET, one
# of tovix-export --list-targets, writes what that display library takes, in
# its own mode unless MODE says otherwise: <name>.c and <name>.h, or <name>.xbm
# to include. Every folder but FORMAT 1's joins the target's include path, for
# the header and for the files to #include. <name>, the array's name, defaults
# to the picture's file name without its last extension.

# Functions keep the policies of their definition, whatever the caller's.
cmake_policy(PUSH)
cmake_policy(VERSION 3.20...3.25)

# The message is every argument, joined: long ones come in parts.
function(_tovix_pixel_data_error)
  set(text "")
  math(EXPR last "${ARGC} - 1")
  foreach(index RANGE ${last})
    string(APPEND text "${ARGV${index}}")
  endforeach()
  message(FATAL_ERROR "tovix_add_pixel_data: ${text}\n"
    "Usage: tovix_add_pixel_data(<target> <picture> [NAME <name>] [MODE <mode>] "
    "[FORMAT 1|2|bytes | TARGET <library>] [THRESHOLD <r,g,b>] [OPTIONS <option>...])")
endfunction()

# What the tool prints for OPTION (--list-formats, --list-targets), its
# words in one list, read from the tool itself so that the function cannot
# drift from it.
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

# "a, b or c", for a message.
function(_tovix_pixel_data_choices out)
  set(choices ${ARGN})
  list(POP_BACK choices last)
  list(JOIN choices ", " choices)
  set(${out} "${choices} or ${last}" PARENT_SCOPE)
endfunction()

# The output options for the files of <name> in <dir>: the source, with its
# extension, and a header if asked for.
function(_tovix_pixel_data_files variable dir name extension header)
  set(files -o "${dir}/${name}.${extension}")
  if(header)
    list(APPEND files --header "${dir}/${name}.h")
  endif()
  set(${variable} "${files}" PARENT_SCOPE)
endfunction()

# tovix-export checks its arguments before it reads the picture and exits with
# 2 for a usage error: run on a picture of the same name in a folder that is not
# there, it tells at configure time, by its own rules and writing nothing,
# whether MODE, THRESHOLD and OPTIONS go together and with what the function
# passes.
function(_tovix_pixel_data_check picture name extension header arguments)
  get_target_property(tool Tovix::tovix-export LOCATION)
  set(nowhere "${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/tovix_pixel_data.nowhere")
  _tovix_pixel_data_files(files "${nowhere}" "${name}" "${extension}" "${header}")
  cmake_path(GET picture FILENAME picture_name)
  execute_process(COMMAND "${tool}" ${arguments} ${files} -- "${nowhere}/${picture_name}"
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE error)
  if(status EQUAL 2)
    string(REGEX MATCH "tovix-export: ([^\n]*)" error "${error}")
    list(JOIN arguments " " shown)
    _tovix_pixel_data_error("tovix-export refuses '${shown}': ${CMAKE_MATCH_1}")
  elseif(NOT status EQUAL 1)
    _tovix_pixel_data_error("'${tool}' could not check the call (${status}): ${error}")
  endif()
endfunction()

function(tovix_add_pixel_data)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;MODE;FORMAT;TARGET;THRESHOLD" "OPTIONS")
  foreach(keyword IN LISTS arg_KEYWORDS_MISSING_VALUES)
    _tovix_pixel_data_error("${keyword} needs a value")
  endforeach()
  list(LENGTH arg_UNPARSED_ARGUMENTS count)
  if(NOT count EQUAL 2)
    list(JOIN arg_UNPARSED_ARGUMENTS " " given)
    _tovix_pixel_data_error("expected a target and one picture, got '${given}'")
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

  if(DEFINED arg_TARGET)
    if(DEFINED arg_FORMAT)
      _tovix_pixel_data_error("TARGET writes its library's own source: it cannot go with FORMAT")
    endif()
    # Each line of --list-targets: the word, then its source's extension.
    _tovix_pixel_data_words(--list-targets listed)
    set(libraries "")
    set(extension "")
    while(listed)
      list(POP_FRONT listed library library_extension)
      list(APPEND libraries "${library}")
      if(library STREQUAL arg_TARGET)
        set(extension "${library_extension}")
      endif()
    endwhile()
    if(extension STREQUAL "")
      _tovix_pixel_data_choices(choices ${libraries})
      _tovix_pixel_data_error("TARGET must be ${choices}, not '${arg_TARGET}'")
    endif()
    # A C source is compiled on its own, and its header declares what it
    # defines; any other file is included as it is.
    if(extension STREQUAL "c")
      set(header ON)
    else()
      set(header OFF)
    endif()
    set(arguments --for ${arg_TARGET})
  else()
    _tovix_pixel_data_words(--list-formats formats)
    # Raw bytes are no source to build.
    list(REMOVE_ITEM formats bin)
    if(NOT DEFINED arg_FORMAT)
      set(arg_FORMAT 1)
    elseif(arg_FORMAT STREQUAL "bin")
      _tovix_pixel_data_error("FORMAT bin writes no source to build; run tovix-export -f bin in a custom command")
    elseif(NOT arg_FORMAT IN_LIST formats)
      _tovix_pixel_data_choices(choices ${formats})
      _tovix_pixel_data_error("FORMAT must be ${choices}, not '${arg_FORMAT}'")
    endif()
    if(arg_FORMAT STREQUAL "2")
      set(extension txt)
    else()
      set(extension c)
    endif()
    if(arg_FORMAT STREQUAL "bytes")
      set(header ON)
    else()
      set(header OFF)
    endif()
    set(arguments -f ${arg_FORMAT})
  endif()
  # Options the function sets itself, in any spelling getopt takes: a short
  # one with its value attached, a long one abridged or with "=value".
  foreach(option IN LISTS arg_OPTIONS)
    set(spelt "")
    if(option MATCHES "^--([^=]+)")
      set(given "${CMAKE_MATCH_1}")
      foreach(long IN ITEMS format for name output header mode threshold save-doc decode help version static)
        string(FIND "${long}" "${given}" at)
        if(at EQUAL 0)
          list(APPEND spelt ${long})
        endif()
      endforeach()
    endif()
    if(spelt STREQUAL "static")
      _tovix_pixel_data_error("OPTIONS may not hold '${option}': the array is compiled in a file of its own, "
                              "so it cannot be static")
    elseif(option MATCHES "^-[fnomth]" OR NOT spelt STREQUAL "")
      _tovix_pixel_data_error("OPTIONS may not hold '${option}': the function sets the format, library, name, "
                              "mode, thresholds and files (FORMAT, TARGET, NAME, MODE, THRESHOLD)")
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

  if(NOT extension STREQUAL "txt")
    get_property(languages GLOBAL PROPERTY ENABLED_LANGUAGES)
    if(NOT "C" IN_LIST languages)
      _tovix_pixel_data_error("the pixel data is C source: enable C in project() or with enable_language(C)")
    endif()
  endif()

  list(APPEND arguments -n ${name})
  if(DEFINED arg_MODE)
    list(APPEND arguments -m ${arg_MODE})
  endif()
  if(DEFINED arg_THRESHOLD)
    list(APPEND arguments -t ${arg_THRESHOLD})
  endif()
  list(APPEND arguments ${arg_OPTIONS})
  _tovix_pixel_data_check("${picture}" "${name}" "${extension}" "${header}" "${arguments}")
  set(output_dir "${CMAKE_CURRENT_BINARY_DIR}")
  _tovix_pixel_data_files(files "${output_dir}" "${name}" "${extension}" "${header}")
  set(outputs "${files}")
  list(FILTER outputs EXCLUDE REGEX "^-")
  if(header OR NOT extension STREQUAL "c")
    target_include_directories(${target} PRIVATE "${output_dir}")
  endif()

  cmake_path(GET picture FILENAME picture_name)
  add_custom_command(OUTPUT ${outputs}
    COMMAND Tovix::tovix-export ${arguments} --force ${files} -- "${picture}"
    DEPENDS "${picture}" Tovix::tovix-export
    COMMENT "Pixel data ${name} from ${picture_name}"
    VERBATIM)
  target_sources(${target} PRIVATE ${outputs})
endfunction()

cmake_policy(POP)
