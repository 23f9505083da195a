# The main window's form and core, units, the units dialog, About, start-up.
foreach(name tst_units tst_windowform tst_windowunits tst_aboutidentity)
    tarveo_test(NAME ${name} SOURCES window/${name}.cpp LIBS tarveo_core)
endforeach()
