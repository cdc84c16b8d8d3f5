# Runs every example of the manual page's EXAMPLES (the lines that start with "swdgen" in
# PAGE, packaging/swdgen.h2m), in order, in the fresh folder WORK, which is also HOME, with
# the program SWDGEN; fails naming the first example that fails. EXTRA is one more example
# line, for the check of the check.
#
#   cmake -DSWDGEN=build/swdgen -DPAGE=packaging/swdgen.h2m -DWORK=/tmp/examples -P check_examples.cmake

file(READ ${PAGE} page)
string(REGEX REPLACE "^.*\n\\[EXAMPLES\\]\n" "" examples "${page}")
string(REGEX REPLACE "\n\\[[^\n]*\\]\n.*$" "" examples "${examples}")
string(REPLACE ";" "\\;" examples "${examples}")
string(REPLACE "\n" ";" lines "${examples}")
if(DEFINED EXTRA)
  list(APPEND lines "${EXTRA}")
endif()

file(REMOVE_RECURSE ${WORK})
# Return to the Roots' maps folder, which the game makes when it first starts.
file(MAKE_DIRECTORY ${WORK}/.s25rttr/WORLDS)
set(count 0)
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^swdgen ")
    continue()
  endif()
  # roff's "\-" is the minus the shell sees.
  string(REPLACE "\\-" "-" command "${line}")
  string(REGEX REPLACE "^swdgen " "\"${SWDGEN}\" " run "${command}")
  execute_process(COMMAND env HOME=${WORK} LC_ALL=C.UTF-8 bash -c "${run}"
    WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the example ${command} failed (${status}):\n${err}")
  endif()
  math(EXPR count "${count} + 1")
endforeach()
if(count LESS 5)
  message(FATAL_ERROR "${PAGE} has only ${count} examples")
endif()
message(STATUS "${count} examples of ${PAGE} ran")
