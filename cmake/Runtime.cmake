# One C++ runtime for every module. The framework throws its exceptions by
# pointer across modules (MFC71U.DLL throws, Dialogs.dll catches) and hosts
# hand objects between them, which holds only when all of them unwind through
# and allocate from the same libstdc++ and libgcc_s. So every program and DLL
# links the compiler's runtime DLLs, and those DLLs lie beside the programs in
# the build tree and beside the library in the install tree.
#
# The DLLs' names come from the compiler's import libraries, since they differ
# between targets (libgcc_s_dw2-1.dll for i686, libgcc_s_seh-1.dll for x86_64).
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
                OUTPUT_VARIABLE dialogs_target_triple OUTPUT_STRIP_TRAILING_WHITESPACE)
find_program(DIALOGS_DLLTOOL NAMES ${dialogs_target_triple}-dlltool dlltool REQUIRED)

set(DIALOGS_RUNTIME_DLLS)
set(DIALOGS_RUNTIME_DLL_NAMES)
foreach(import_library libstdc++.dll.a libgcc_s.a libwinpthread.dll.a)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${import_library}
                    OUTPUT_VARIABLE import_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    execute_process(COMMAND ${DIALOGS_DLLTOOL} --identify ${import_path}
                    OUTPUT_VARIABLE dll_name OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0 OR dll_name STREQUAL "")
        message(FATAL_ERROR "The compiler's ${import_library} names no runtime DLL (${import_path})")
    endif()
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll_name}
                    OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
        message(FATAL_ERROR "The compiler does not find its runtime DLL ${dll_name}")
    endif()
    get_filename_component(dll_path "${dll_path}" REALPATH)
    list(APPEND DIALOGS_RUNTIME_DLLS "${dll_path}")
    list(APPEND DIALOGS_RUNTIME_DLL_NAMES ${dll_name})
    # Copied again whenever the compiler's copy changes.
    configure_file("${dll_path}" "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll_name}" COPYONLY)
endforeach()
