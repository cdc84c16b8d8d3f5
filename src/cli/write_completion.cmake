# Writes OUT, the bash completion that the program SWDGEN makes of itself.
#
#   cmake -DSWDGEN=build/swdgen -DOUT=build/completions/swdgen -P write_completion.cmake

execute_process(COMMAND ${SWDGEN} completion bash OUTPUT_FILE ${OUT} COMMAND_ERROR_IS_FATAL ANY)
