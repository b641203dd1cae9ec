# Installs the build into a fresh prefix, checks the layout, then configures,
# builds and runs a consumer project that knows only that prefix, and the
# guide's examples, each played by the driver. A consumer configured with the
# other architecture's toolchain is refused.
#   cmake -DBUILD_DIR=... -DCONSUMER_DIR=... -DEXAMPLES_DIR=... -DEXAMPLE_DRIVER=... -DWORK_DIR=...
#         -DTOOLCHAIN=... -DOTHER_TOOLCHAIN=... -DPOINTER_BITS=32|64 -DGENERATOR=... -DWINE_RUN=...
#         -DRUNTIME_DLLS=... -P install_consumer.cmake
foreach(name BUILD_DIR CONSUMER_DIR EXAMPLES_DIR EXAMPLE_DRIVER WORK_DIR TOOLCHAIN OTHER_TOOLCHAIN POINTER_BITS
             GENERATOR WINE_RUN RUNTIME_DLLS)
    if(NOT DEFINED ${name})
        message(FATAL_ERROR "install_consumer.cmake needs -D${name}=...")
    endif()
endforeach()

set(prefix ${WORK_DIR}/prefix)
set(consumer_build ${WORK_DIR}/consumer)
set(examples_build ${WORK_DIR}/examples)
set(foreign_build ${WORK_DIR}/foreign)
file(REMOVE_RECURSE ${WORK_DIR})

function(run step)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${step} failed (${rc}):\n${out}\n${err}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

run("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

set(expected
    bin/Dialogs.dll bin/DialogsENU.dll bin/DialogsDEU.dll bin/DialogsJPN.dll
    bin/DAZ32.DLL bin/MFC71U.DLL bin/LexorinBasis.dll bin/LexorinInterface.dll bin/LexorinUILanguageMgr.dll
    lib/libDialogs.dll.a lib/libMFC71U.dll.a lib/libLexorinBasis.dll.a lib/libLexorinInterface.dll.a
    lib/libLexorinUILanguageMgr.dll.a lib/libmfc_main.a
    include/Dialogs/Dialogs.h include/Dialogs/DialogsExport.h include/Dialogs/LexorinBasis.h
    include/Dialogs/LexorinInterface.h include/Dialogs/LexorinUILanguageMgr.h include/Dialogs/TemplateIds.h
    include/Dialogs/mfc/afxwin.h include/Dialogs/mfc/afxcmn.h
    lib/cmake/Dialogs/DialogsConfig.cmake lib/cmake/Dialogs/DialogsConfigVersion.cmake
    lib/cmake/Dialogs/DialogsTargets.cmake)
# The C++ runtime that every module shares goes beside them.
foreach(dll IN LISTS RUNTIME_DLLS)
    list(APPEND expected bin/${dll})
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

# Nothing of the tests, the demo or the benchmarks goes with the library.
file(GLOB_RECURSE installed RELATIVE ${prefix} ${prefix}/*)
foreach(file IN LISTS installed)
    if(file MATCHES "\\.exe$|gtest|[Tt]est|Bench|Demo")
        message(FATAL_ERROR "installed, but not part of the library: ${file}")
    endif()
endforeach()

# The consumer runs in the build's Wine prefix rather than making its own.
if(NOT DEFINED ENV{WINE_RUN_PREFIX})
    set(ENV{WINE_RUN_PREFIX} ${BUILD_DIR}/wineprefix)
endif()

run("configuring the consumer" ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${consumer_build} -G ${GENERATOR}
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release
    -DCHECK_REFUSED_VERSION=ON)
run("building the consumer" ${CMAKE_COMMAND} --build ${consumer_build})
run("running the consumer" ${WINE_RUN} ${consumer_build}/consumer.exe)
message(STATUS "consumer printed:\n${output}")

foreach(line "Dialogs 7, build 320" "About version text: 7.0.1" "library loaded: yes" "About template: 16001"
             "host: ${POINTER_BITS}-bit")
    string(FIND "${output}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the consumer did not print \"${line}\"")
    endif()
endforeach()

# The guide's examples: each builds from the installed tree alone and does
# what the guide says when a user ends its dialog.
run("configuring the examples" ${CMAKE_COMMAND} -S ${EXAMPLES_DIR} -B ${examples_build} -G ${GENERATOR}
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run("building the examples" ${CMAKE_COMMAND} --build ${examples_build})
foreach(example splash about tip_of_the_day language select_directory controls)
    run("the ${example} example" ${WINE_RUN} ${EXAMPLE_DRIVER} ${example} ${examples_build})
    message(STATUS "${output}")
endforeach()

# A project of the other architecture could not load the installed DLLs: the
# package refuses it and says why.
execute_process(COMMAND ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${foreign_build} -G ${GENERATOR}
                        -DCMAKE_TOOLCHAIN_FILE=${OTHER_TOOLCHAIN} -DCMAKE_PREFIX_PATH=${prefix}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0)
    message(FATAL_ERROR "a consumer of the other architecture was configured against the ${POINTER_BITS}-bit package")
endif()
if(POINTER_BITS EQUAL 64)
    set(expected "built for x86_64 (64-bit) Windows; this project is 32-bit")
else()
    set(expected "built for i686 (32-bit) Windows; this project is 64-bit")
endif()
string(REGEX REPLACE "[ \n]+" " " said "${err}")
string(FIND "${said}" "${expected} and needs Dialogs built for its own architecture" at)
if(at EQUAL -1)
    message(FATAL_ERROR "the refusal of the other architecture does not say why:\n${err}")
endif()
