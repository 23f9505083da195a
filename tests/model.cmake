# The classification model: records, constraints, document, file format.
foreach(name tst_subclass tst_constraints tst_conf tst_conffile tst_filesafety tst_findings
        tst_confdiff tst_overlaps tst_syntax)
    tarveo_test(NAME ${name} SOURCES model/${name}.cpp LIBS tarveo_model)
endforeach()
