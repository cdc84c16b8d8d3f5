# Writes OUT, the C++ rows {"Key", "English"} of every finished translation in TS, the
# wizard's Qt Linguist file of the core's messages: the one place that holds the English of
# every message key. The command line builds the rows in (language.cpp) and needs no Qt.
#
#   cmake -DTS=swdgen_messages_en.ts -DOUT=english_messages.inc -P english_table.cmake

file(READ ${TS} ts)
# CMake lists split at ';' and keep '[...]' together: both stand in for themselves until the
# rows are written.
string(REPLACE ";" "@semicolon@" ts "${ts}")
string(REPLACE "[" "@open@" ts "${ts}")
string(REPLACE "]" "@close@" ts "${ts}")
# Inside an element the text holds no '<': XML writes it as "&lt;".
string(REGEX MATCHALL
  "<message id=\"[A-Za-z0-9_]+\">[^<]*<source>[^<]*</source>[^<]*<translation>[^<]*</translation>"
  messages "${ts}")
set(rows "// Made by src/cli/english_table.cmake from ${TS}; do not edit.\n")
foreach(message IN LISTS messages)
  string(REGEX REPLACE "^<message id=\"([A-Za-z0-9_]+)\">.*$" "\\1" key "${message}")
  string(REGEX REPLACE "^.*<translation>([^<]*)</translation>$" "\\1" text "${message}")
  string(REPLACE "&lt;" "<" text "${text}")
  string(REPLACE "&gt;" ">" text "${text}")
  string(REPLACE "&quot;" "\"" text "${text}")
  string(REPLACE "&apos;" "'" text "${text}")
  string(REPLACE "&amp;" "&" text "${text}")
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  string(APPEND rows "{\"${key}\", \"${text}\"},\n")
endforeach()
string(REPLACE "@semicolon@" ";" rows "${rows}")
string(REPLACE "@open@" "[" rows "${rows}")
string(REPLACE "@close@" "]" rows "${rows}")
# Rewritten only when it changed, so that an unchanged table compiles nothing again.
file(CONFIGURE OUTPUT ${OUT} CONTENT "${rows}" @ONLY)
