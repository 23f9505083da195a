# The editor's window driven as a user drives it.
foreach(name tst_editing_files tst_rows tst_editing_fields tst_editing_safety tst_overview)
    tarveo_test(NAME ${name} SOURCES editing/${name}.cpp LIBS tarveo_core)
endforeach()
