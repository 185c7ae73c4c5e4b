# optional_subdirectory(dir): adds a folder when it holds a CMakeLists.txt, so parts of the
# tree that are still being written don't break the build of the rest.
function(optional_subdirectory dir)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
        add_subdirectory(${dir})
    endif()
endfunction()
