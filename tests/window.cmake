# The main window's form and core, units, the units dialog, About, start-up.
tarveo_test(NAME tst_units SOURCES window/tst_units.cpp LIBS tarveo_units)
foreach(name tst_windowform tst_windowunits tst_aboutidentity)
    tarveo_test(NAME ${name} SOURCES window/${name}.cpp LIBS tarveo_core)
endforeach()
# The editor's command line, also run as the program.
tarveo_test(NAME tst_commandline SOURCES window/tst_commandline.cpp LIBS tarveo_core)
target_compile_definitions(tst_commandline PRIVATE TARVEO_PATH="$<TARGET_FILE:tarveo>")
add_dependencies(tst_commandline tarveo)
