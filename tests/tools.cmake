# The command-line tools, run as programs.
tarveo_test(NAME tst_check SOURCES tools/tst_check.cpp LIBS tarveo_model)
target_compile_definitions(tst_check PRIVATE TARVEO_CHECK_PATH="$<TARGET_FILE:tarveo-check>")
add_dependencies(tst_check tarveo-check)
