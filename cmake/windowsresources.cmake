# tessaro_windows_resources(<target> <assembly name> <description> [ICON <file>]
#     [COMMON_CONTROLS]) gives a Windows program its version information and
# application manifest (asInvoker), made from the project's identity, and
# with ICON the icon group IDI_ICON1; with COMMON_CONTROLS its manifest asks
# for the common controls 6.0.0.0, which give a window the system's look.
function(tessaro_windows_resources target assembly description)
    cmake_parse_arguments(arg "COMMON_CONTROLS" "ICON" "" ${ARGN})
    set(program "${target}")
    set(icon "")
    if(arg_ICON)
        set(icon "IDI_ICON1 ICON \"${arg_ICON}\"")
    endif()
    set(dependency "")
    if(arg_COMMON_CONTROLS)
        set(dependency "
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"
                        processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>
    </dependentAssembly>
  </dependency>")
    endif()
    set(folder "${PROJECT_SOURCE_DIR}/ressources/windows")
    set(manifest "${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest")
    configure_file("${folder}/program.manifest.in" "${manifest}" @ONLY)
    configure_file("${folder}/program.rc.in" "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc" @ONLY)
    target_sources(${target} PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
    # The manifest comes from the resource script: the linker must not write
    # one of its own.
    if(MSVC)
        target_link_options(${target} PRIVATE /MANIFEST:NO)
    endif()
endfunction()

# The setup program's script, made from the project's identity; see
# scripts/windows.sh.
if(WIN32)
    configure_file("${PROJECT_SOURCE_DIR}/ressources/windows/setup.nsi.in"
        "${PROJECT_BINARY_DIR}/setup.nsi" @ONLY)
endif()
