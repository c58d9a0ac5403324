# Makes a gzipped manual page from a template and the program's own help text, so
# that the page never tells other options than the program takes:
#   cmake -DPROGRAM=... -DHELP_ARGUMENT=--help -DTEMPLATE=x.1.in -DOUT=x.1.gz -P ManPage.cmake
# Any other @VARIABLE@ of the template comes in as -D definitions.
execute_process(COMMAND ${PROGRAM} ${HELP_ARGUMENT}
                OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} ${HELP_ARGUMENT} failed (${status})")
endif()
# Troff: a backslash is written \e, a minus sign \-, and a line may not start with a
# control character.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REGEX REPLACE "\n$" "" HELP_TEXT "${help}")
string(REGEX REPLACE "\\.gz$" "" page ${OUT})
configure_file(${TEMPLATE} ${page} @ONLY)
execute_process(COMMAND gzip -9 -n -c ${page} OUTPUT_FILE ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${page}")
endif()
