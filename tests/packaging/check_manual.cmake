# Checks that the manual page PAGE names every command of the program SWDGEN, and every
# option of the program and of each command, as the command line itself lists them in its
# help. Each command must have its own subsection (.SS "swdgen COMMAND ...") naming its
# options. DROP, if given, is a regular expression: lines of the page that match it are
# dropped first, so that the check can be shown to find what is missing.
#
#   cmake -DSWDGEN=build/swdgen -DPAGE=build/packaging/swdgen.1 [-DDROP=REGEX] -P check_manual.cmake

function(help_of out)
  execute_process(COMMAND ${SWDGEN} ${ARGN} --help OUTPUT_VARIABLE help
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "swdgen ${ARGN} --help failed (${status})")
  endif()
  string(REPLACE "\n" ";" help "${help}")
  set(${out} "${help}" PARENT_SCOPE)
endfunction()

# The option names in the first column of the help's entries ("  -h,--help   Print ...").
function(options_in help out)
  set(names)
  foreach(line IN LISTS help)
    if(line MATCHES "^  ([^ ]+( [^ ]+)*)")
      string(REGEX MATCHALL "(^|,)--?[A-Za-z0-9][A-Za-z0-9-]*" found "${CMAKE_MATCH_1}")
      foreach(name IN LISTS found)
        string(REGEX REPLACE "^," "" name "${name}")
        list(APPEND names "${name}")
      endforeach()
    endif()
  endforeach()
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

# Whether `text` holds the option `name` as a word of its own.
function(names text name out)
  if(text MATCHES "(^|[^A-Za-z0-9-])${name}([^A-Za-z0-9-]|$)")
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

# The page as text: roff's escaped minus and font changes gone, DROP's lines left out.
file(STRINGS ${PAGE} page_lines)
set(page "")
foreach(line IN LISTS page_lines)
  string(REPLACE "\\-" "-" line "${line}")
  string(REGEX REPLACE "\\\\f(\\(..|\\[[^]]*\\]|.)" "" line "${line}")
  string(REGEX REPLACE "\\\\[,/&]" "" line "${line}")
  if(DROP AND line MATCHES "${DROP}")
    continue()
  endif()
  string(APPEND page "${line}\n")
endforeach()

get_filename_component(page_name ${PAGE} NAME)
set(missing)
help_of(top)
options_in("${top}" top_options)
# The program's own options come before the first command's subsection.
string(FIND "${page}" ".SS \"swdgen " first_command)
string(SUBSTRING "${page}" 0 ${first_command} head)
foreach(option IN LISTS top_options)
  names("${head}" "${option}" found)
  if(NOT found)
    list(APPEND missing "${option}")
  endif()
endforeach()

set(commands)
set(in_block FALSE)
foreach(line IN LISTS top)
  if(line STREQUAL "Subcommands:")
    set(in_block TRUE)
  elseif(in_block AND line MATCHES "^  ([^ ]+)")
    list(APPEND commands ${CMAKE_MATCH_1})
  elseif(in_block)
    break()
  endif()
endforeach()
if(NOT commands)
  message(FATAL_ERROR "swdgen --help lists no commands")
endif()

foreach(command IN LISTS commands)
  string(FIND "${page}" ".SS \"swdgen ${command} " start)
  if(start EQUAL -1)
    list(APPEND missing "the command ${command}")
    continue()
  endif()
  # The subsection runs up to the next subsection or section.
  string(SUBSTRING "${page}" ${start} -1 section)
  string(REGEX REPLACE "\n\\.S[SH] .*" "" section "${section}")
  help_of(help ${command})
  options_in("${help}" options)
  foreach(option IN LISTS options)
    names("${section}" "${option}" found)
    if(NOT found)
      list(APPEND missing "${command} ${option}")
    endif()
  endforeach()
endforeach()

if(missing)
  list(JOIN missing "\n${page_name} lacks " report)
  message(FATAL_ERROR "${page_name} lacks ${report}\n")
endif()
list(LENGTH commands command_count)
message(STATUS "${page_name} names the ${command_count} commands and all their options")
