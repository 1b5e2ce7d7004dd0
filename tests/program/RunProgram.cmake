# Runs the built program the way a user does on a terminal: help and version answer in German
# with exit code 0 before any window or display is needed, an unknown option is refused with 2.
# cmake -DPROGRAM=<lumarik> -P RunProgram.cmake

function(expect_run argument expectedCode stream pattern)
  execute_process(COMMAND "${PROGRAM}" ${argument}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code STREQUAL expectedCode OR NOT "${${stream}}" MATCHES "${pattern}")
    message(FATAL_ERROR "lumarik ${argument}: exit code ${code}, standard output:\n${out}\n"
                        "standard error:\n${err}")
  endif()
endfunction()

expect_run(--version 0 out "^Lumarik [0-9]+\\.[0-9]+\\.[0-9]+\nParaxiale Vorauslegung")
expect_run(--help 0 out "^Aufruf: lumarik \\[Optionen\\] \\[DATEI.lumarik\\]\n.*-v, --version +Zeigt die Programmversion an")
expect_run(--falsch 2 err "Unbekannte Option „--falsch“")
