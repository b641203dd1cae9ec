# `cmake --install` lays the library out as a Windows C++ project consumes it:
#   bin/                 Dialogs.dll, its language modules and the DLLs a host
#                        needs beside it at run time, the C++ runtime among them
#   lib/                 import libraries, and the framework's start-up library
#   include/Dialogs/     the library's public headers (#include <Dialogs/Dialogs.h>)
#   include/Dialogs/mfc/ the framework's headers (#include <afxwin.h>)
#   lib/cmake/Dialogs/   the package: find_package(Dialogs 7) gives Dialogs::Dialogs
# Test programs, the demo host and the benchmarks are not installed.
include(CMakePackageConfigHelpers)

set(dialogs_package_dir lib/cmake/Dialogs)
set(dialogs_runtime_dir bin)

# The library, the libraries whose headers its headers expose (hosts link
# them too), the allocator it loads, and the framework's start-up library.
# Their include folders and definitions travel with the exported targets.
install(TARGETS Dialogs mfc LexorinBasis LexorinInterface LexorinUILanguageMgr DAZ32 mfc_main
        EXPORT DialogsTargets
        RUNTIME DESTINATION ${dialogs_runtime_dir}
        ARCHIVE DESTINATION lib)
install(EXPORT DialogsTargets NAMESPACE Dialogs:: DESTINATION ${dialogs_package_dir})
# The language modules hold resources only and are loaded at run time.
install(FILES $<TARGET_FILE:DialogsENU> $<TARGET_FILE:DialogsDEU> $<TARGET_FILE:DialogsJPN>
        DESTINATION ${dialogs_runtime_dir})
# The one C++ runtime that all of them share (cmake/Runtime.cmake).
install(FILES ${DIALOGS_RUNTIME_DLLS} DESTINATION ${dialogs_runtime_dir})

# Beside the library's own headers, the declarations of the product family's
# libraries that they include; among them the UI-language manager, through
# which a host switches to the language that the language dialog hands back.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/ DESTINATION include)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/module/interfaces/ DESTINATION include/Dialogs)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/platform/mfc/include/ DESTINATION include/Dialogs/mfc)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/DialogsConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/package/DialogsConfig.cmake
                              INSTALL_DESTINATION ${dialogs_package_dir}
                              PATH_VARS dialogs_runtime_dir)
# The version file takes the same major version (DialogsVersion.cmake) and
# refuses a consumer of the other architecture, saying why.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(dialogs_architecture "x86_64 (64-bit)")
else()
    set(dialogs_architecture "i686 (32-bit)")
endif()
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/DialogsVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
configure_file(${CMAKE_CURRENT_LIST_DIR}/DialogsConfigVersion.cmake.in
               ${CMAKE_BINARY_DIR}/package/DialogsConfigVersion.cmake @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/package/DialogsConfig.cmake
              ${CMAKE_BINARY_DIR}/package/DialogsConfigVersion.cmake
              ${CMAKE_BINARY_DIR}/package/DialogsVersion.cmake
        DESTINATION ${dialogs_package_dir})
