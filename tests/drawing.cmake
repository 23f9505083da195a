# The vehicle drawing, its bitmaps, the window's two views and tarveo-sheet.
tarveo_test(NAME tst_vehicledrawing SOURCES drawing/tst_vehicledrawing.cpp
    ${PROJECT_SOURCE_DIR}/tools/artwork/vehicleart.cpp LIBS tarveo_drawing)

tarveo_test(NAME tst_sheet SOURCES drawing/tst_sheet.cpp LIBS tarveo_report)
target_compile_definitions(tst_sheet PRIVATE TARVEO_SHEET="$<TARGET_FILE:tarveo-sheet>")
add_dependencies(tst_sheet tarveo-sheet)

tarveo_test(NAME tst_vehicleviews SOURCES drawing/tst_vehicleviews.cpp LIBS tarveo_core)
