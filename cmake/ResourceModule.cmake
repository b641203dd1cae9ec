# resource_module(NAME SOURCES...): a DLL that holds resources and no code:
# no runtime and entry point 0, so the loader calls nothing when it maps it.
function(resource_module name)
    add_library(${name} SHARED ${ARGN})
    set_target_properties(${name} PROPERTIES LINKER_LANGUAGE C)
    target_link_options(${name} PRIVATE -nostdlib -Wl,-e,0)
endfunction()
