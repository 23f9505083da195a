# Tests of this area are added here with tarveo_test().
tarveo_test(NAME tst_editing_files SOURCES editing/tst_editing_files.cpp LIBS tarveo_core)
tarveo_test(NAME tst_rows_axles SOURCES editing/tst_rows_axles.cpp LIBS tarveo_core)
tarveo_test(NAME tst_constraints_editor SOURCES editing/tst_constraints_editor.cpp LIBS tarveo_core)
tarveo_test(NAME tst_editing_fields SOURCES editing/tst_editing_fields.cpp LIBS tarveo_core)
tarveo_test(NAME tst_editing_safety SOURCES editing/tst_editing_safety.cpp LIBS tarveo_core)
tarveo_test(NAME tst_overview SOURCES editing/tst_overview.cpp LIBS tarveo_core)
