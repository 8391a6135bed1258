# kk_include_root(<target> <folder> [<subfolder>...])
#
# Gives a library an include root of its own: a folder in the build tree that holds only the
# library's headers, as <folder>/<Header>.h and <folder>/<subfolder>/<Header>.h (symbolic links
# to the sources). A library that
# links another sees that library's root, and nothing else of src/, so an include that runs
# upward or sideways in the layers fails to compile. scripts/check-layers.py checks the same
# table without building.
function(kk_include_root target folder)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    # Made anew at every configure, so a header that moved away leaves no link behind.
    file(REMOVE_RECURSE ${root})
    foreach(part IN ITEMS "" ${ARGN})
        set(dir ${folder})
        if(part)
            set(dir ${folder}/${part})
        endif()
        file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${dir}/*.h)
        file(MAKE_DIRECTORY ${root}/${dir})
        foreach(header IN LISTS headers)
            get_filename_component(name ${header} NAME)
            file(CREATE_LINK ${header} ${root}/${dir}/${name} SYMBOLIC COPY_ON_ERROR)
        endforeach()
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
