# Refuses an include that runs against the layers: each folder may include
# only its own headers and those of the layers beneath it (and generated
# headers: forms, the version). Run as a test:
#   cmake -DSOURCE_DIR=<top of the tree> -P cmake/checklayers.cmake
set(allowed_model model)
set(allowed_units model units)
set(allowed_drawing model drawing)
set(allowed_document model document)
set(allowed_report model units drawing report)
set(allowed_about about)
set(allowed_editor model units drawing document report about editor)
set(allowed_app model units drawing document report about editor app)

set(failures "")
foreach(layer model units drawing document report about editor app)
    file(GLOB sources ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(source ${sources})
        file(STRINGS ${source} includes REGEX "^#include \"[^\"]+/")
        foreach(line ${includes})
            string(REGEX REPLACE "^#include \"([^/\"]+)/.*" "\\1" folder "${line}")
            list(FIND allowed_${layer} ${folder} found)
            if(found EQUAL -1)
                file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
                string(APPEND failures "${name}: ${line} (the ${layer} layer sees only: "
                       "${allowed_${layer}})\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(failures)
    message(FATAL_ERROR "Includes against the layers:\n${failures}")
endif()
