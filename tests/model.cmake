# The classification model: records, constraints, document, file format.
foreach(name tst_subclass tst_conf tst_filesafety tst_findings
        tst_review tst_syntax)
    tarveo_test(NAME ${name} SOURCES model/${name}.cpp LIBS tarveo_model)
endforeach()
