# The main window's form, and units: conversions, the window, the dialog.
foreach(name tst_windowform tst_windowunits)
    tarveo_test(NAME ${name} SOURCES window/${name}.cpp LIBS tarveo_core)
endforeach()
# The editor as a program: its command line, also run as the program, and
# the Help menu.
tarveo_test(NAME tst_program SOURCES window/tst_program.cpp LIBS tarveo_core)
target_compile_definitions(tst_program PRIVATE TARVEO_PATH="$<TARGET_FILE:tarveo>")
add_dependencies(tst_program tarveo)
