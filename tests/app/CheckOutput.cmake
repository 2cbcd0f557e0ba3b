# Runs PROGRAM ARGUMENT with no display and checks that it exits with status 0 and that its
# standard output matches EXPECTED (a regular expression) and its error output is empty.
set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")
set(ENV{QT_QPA_PLATFORM} "")
execute_process(COMMAND ${PROGRAM} ${ARGUMENT}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGUMENT} exited with ${status}: ${errors}")
endif()
if(NOT output MATCHES "${EXPECTED}")
    message(FATAL_ERROR "${PROGRAM} ${ARGUMENT} printed '${output}', expected '${EXPECTED}'")
endif()
if(NOT errors STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} ${ARGUMENT} wrote to the error output: ${errors}")
endif()
