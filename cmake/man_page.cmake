# cmake -DPROGRAM=path -DNAME=tavrel -DSUMMARY="..." -DVERSION=3.01 -DCOMMANDS="--check;--pdf" -DOUT=tavrel.1 -P man_page.cmake
#
# Writes a program's manual page from its own --help and the --help of each of its commands, so the
# page says what the program says: the English half of each text (from "Usage:" on), as written.

function(english_help out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help OUTPUT_VARIABLE help RESULT_VARIABLE status
                  ENCODING UTF-8)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed")
  endif()
  string(FIND "${help}" "Usage:" start)
  string(SUBSTRING "${help}" ${start} -1 help)
  set(${out} "${help}" PARENT_SCOPE)
endfunction()

# Text for roff: backslashes and hyphens escaped, no line starting with a control character.
function(roff out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(TOUPPER "${NAME}" title)
english_help(main)
roff(main "${main}")
set(page ".TH ${title} 1 \"\" \"${NAME} ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${NAME} \\- ${SUMMARY}\n")
string(APPEND page ".SH DESCRIPTION\n.nf\n${main}\n.fi\n")
foreach(command IN LISTS COMMANDS)
  english_help(help ${command})
  roff(help "${help}")
  roff(heading "${command}")
  string(APPEND page ".SH ${heading}\n.nf\n${help}\n.fi\n")
endforeach()
string(APPEND page ".SH SEE ALSO\nThe reference book /usr/share/doc/tavrel/Tavrel.pdf.\n")
file(WRITE ${OUT} "${page}")
