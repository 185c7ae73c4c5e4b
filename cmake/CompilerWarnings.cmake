# project_warnings(target): the warning set every target of ours builds clean with.
function(project_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
                                             -Woverloaded-virtual)
endfunction()
