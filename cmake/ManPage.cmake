# Writes a manual page from a program's --help (run as: cmake -DPROGRAM=… -DNAME=…
# -DSUMMARY=… -DOUT=… -P ManPage.cmake), gzipped as Debian keeps them.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAM} --help
                OUTPUT_VARIABLE help RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${PROGRAM} --help failed")
endif()
string(REPLACE "${PROGRAM}" "${NAME}" help "${help}")
string(REPLACE "\\" "\\\\" help "${help}")
string(REGEX REPLACE "\n\\." "\n\\\\&." help "${help}")
string(TOUPPER ${NAME} title)
file(WRITE ${OUT}
     ".TH ${title} 1 \"\" \"Tarvelo\" \"User Commands\"\n.SH NAME\n${NAME} \\- ${SUMMARY}\n.SH DESCRIPTION\n.nf\n${help}.fi\n")
execute_process(COMMAND gzip -9nf ${OUT})
