# picture_module(NAME RC SCRIPT [DEPENDS...]): a resource-only DLL NAME made
# from the resource script RC, whose bitmap files the Python program SCRIPT
# writes into the build tree (its one argument is the folder). DEPENDS names
# further files that RC includes.
function(picture_module name rc script)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/${name}_pictures)
    set(stamp ${folder}/written.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${Python3_EXECUTABLE} -B ${script} ${folder}
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${script}
        COMMENT "Drawing the pictures of ${name}")
    add_custom_target(${name}_pictures DEPENDS ${stamp})
    resource_module(${name} ${rc})
    # windres finds the pictures along its include path and reports no
    # dependency on them.
    target_include_directories(${name} PRIVATE ${folder})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${stamp};${ARGN}")
    add_dependencies(${name} ${name}_pictures)
endfunction()
