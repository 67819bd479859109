# A library's headers are included by their folder's name ("ui/Font.h",
# "engine/Engine.h"). The folder's parent holds other things too (res/,
# Form1.h, tests/), so each such library exports a root of its own, in the
# build tree, with one forwarding header per header of its folder.
function(kalvio_export_headers target)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(root ${CMAKE_CURRENT_BINARY_DIR}/include)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    foreach(header ${headers})
        get_filename_component(name ${header} NAME)
        file(CONFIGURE OUTPUT ${root}/${folder}/${name} CONTENT "#include \"${header}\"\n")
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
