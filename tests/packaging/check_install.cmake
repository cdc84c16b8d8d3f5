# Checks that the tree TREE holds exactly the installed files: the two programs in BINDIR
# (bin unless given; the Debian package's is games), the manual pages, the bash completion
# (a script that completes `swdgen generate --shape `), the copyright and
# changelog, with WIZARD on the wizard's desktop entry, metainfo and icons, each PNG of its
# size, and with PAGE on the web page as one file, the module inside it. With BUILD_DIR,
# first installs that build into TREE, anew.
#
#   cmake -DBUILD_DIR=build -DTREE=/tmp/prefix -DWIZARD=ON -P check_install.cmake
#   cmake -DTREE=unpacked/usr -DBINDIR=games -DWIZARD=ON -DPAGE=ON -P check_install.cmake

if(NOT DEFINED BINDIR)
  set(BINDIR bin)
endif()
if(DEFINED BUILD_DIR)
  file(REMOVE_RECURSE ${TREE})
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${TREE}
    OUTPUT_QUIET RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install ${BUILD_DIR} --prefix ${TREE} failed (${status})")
  endif()
endif()

set(id org.swdgen.wizard)
set(icon_sizes 16 22 24 32 48 64 128 256)
set(expected
  ${BINDIR}/swdgen
  share/man/man1/swdgen.1.gz
  share/bash-completion/completions/swdgen
  share/doc/swdgen/copyright
  share/doc/swdgen/changelog.gz)
if(WIZARD)
  list(APPEND expected
    ${BINDIR}/swdgen-wizard
    share/man/man1/swdgen-wizard.1.gz
    share/applications/${id}.desktop
    share/metainfo/${id}.metainfo.xml
    share/icons/hicolor/scalable/apps/${id}.svg)
  foreach(size IN LISTS icon_sizes)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
  endforeach()
endif()

set(page share/swdgen/swdgen.html)
if(PAGE)
  list(APPEND expected ${page})
endif()

file(GLOB_RECURSE found RELATIVE ${TREE} LIST_DIRECTORIES false ${TREE}/*)
set(missing ${expected})
list(REMOVE_ITEM missing ${found})
set(unexpected ${found})
list(REMOVE_ITEM unexpected ${expected})
set(problems)
foreach(file IN LISTS missing)
  list(APPEND problems "missing: ${file}")
endforeach()
foreach(file IN LISTS unexpected)
  list(APPEND problems "not expected: ${file}")
endforeach()

foreach(program swdgen swdgen-wizard)
  set(path ${TREE}/${BINDIR}/${program})
  if(EXISTS ${path} AND NOT IS_DIRECTORY ${path})
    file(READ ${path} magic LIMIT 4 HEX)
    execute_process(COMMAND test -x ${path} RESULT_VARIABLE not_executable)
    if(NOT magic STREQUAL "7f454c46" OR not_executable)
      list(APPEND problems "not an executable program: ${BINDIR}/${program}")
    endif()
  endif()
endforeach()

# A PNG gives its width and height in the header's first chunk, 16 bytes in.
foreach(size IN LISTS icon_sizes)
  set(png share/icons/hicolor/${size}x${size}/apps/${id}.png)
  if(EXISTS ${TREE}/${png})
    file(READ ${TREE}/${png} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 32 16 width_height)
    string(SUBSTRING "${width_height}" 0 8 w)
    string(SUBSTRING "${width_height}" 8 8 h)
    math(EXPR w "0x${w}")
    math(EXPR h "0x${h}")
    if(NOT w EQUAL size OR NOT h EQUAL size)
      list(APPEND problems "${png} is ${w} x ${h}")
    endif()
  endif()
endforeach()

# The page works from the disk only with the module and its .wasm inside it.
if(PAGE AND EXISTS ${TREE}/${page})
  file(READ ${TREE}/${page} html)
  if(NOT html MATCHES "^<!doctype html>" OR NOT html MATCHES "<script data-file=\"swdgen.wasm\">")
    list(APPEND problems "${page} is not the page made as one file")
  endif()
endif()

# The completion is bash's, and offers the shapes after `swdgen generate --shape `.
set(completion ${TREE}/share/bash-completion/completions/swdgen)
if(EXISTS ${completion})
  execute_process(COMMAND bash -c "source '${completion}'; COMP_WORDS=(swdgen generate --shape '');
    COMP_CWORD=3; _swdgen; echo \"\${COMPREPLY[*]}\""
    OUTPUT_VARIABLE shapes OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT shapes MATCHES "insel.*spirale.*ring")
    list(APPEND problems "share/bash-completion/completions/swdgen offers '${shapes}' for --shape")
  endif()
endif()

if(problems)
  list(JOIN problems "\n" report)
  message(FATAL_ERROR "${TREE}:\n${report}\n")
endif()
list(LENGTH expected count)
message(STATUS "${TREE} holds the ${count} installed files")
