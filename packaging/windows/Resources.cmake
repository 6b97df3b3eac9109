# The Windows resources of a program, compiled by windres: its version block, its manifest and,
# for the window program, its icon. Included on Windows only, before the programs.
enable_language(RC)

set(QUORRIX_WINDOWS_TEMPLATES ${CMAKE_CURRENT_LIST_DIR})
set(QUORRIX_COMPANY "Norlyn Electronics")
set(QUORRIX_COPYRIGHT "Copyright 2026 Norlyn Electronics. All rights reserved.")

# The icon is made from the PNGs at build time, not kept as a second copy of them in the tree:
# an .ico in git would go stale the next time quorrix-make-icon repaints the PNGs. The largest
# image, the last one named, stays PNG inside the .ico, as Windows expects at 256 px.
function(quorrix_windows_icon output)
    find_program(ICOTOOL icotool REQUIRED)  # Debian's icoutils
    list(POP_BACK ARGN largest)
    add_custom_command(OUTPUT ${output}
        COMMAND ${ICOTOOL} -c -o ${output} ${ARGN} --raw=${largest}
        DEPENDS ${ARGN} ${largest} WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} VERBATIM)
endfunction()

# Every program runs as the invoker and takes paths past MAX_PATH. A window program also
# declares per-monitor DPI awareness (V2 where Windows 10 knows it, else the older one) and the
# common controls 6, so that the native dialogs it opens are drawn in the visual style. No
# activeCodePage: the catalogues and logs are in the system's ANSI code page, not UTF-8.
function(quorrix_windows_manifest output window)
    set(QUORRIX_MANIFEST_SETTINGS "")
    set(QUORRIX_MANIFEST_DEPENDENCIES "")
    if(window)
        set(QUORRIX_MANIFEST_SETTINGS [[
      <dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>
      <dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>]])
        set(QUORRIX_MANIFEST_DEPENDENCIES [[
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"
                        processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>
    </dependentAssembly>
  </dependency>]])
    endif()
    configure_file(${QUORRIX_WINDOWS_TEMPLATES}/program.manifest.in ${output} @ONLY)
endfunction()

# quorrix_windows_resources(target DESCRIPTION text [WINDOW] [ICON png... largest-png])
function(quorrix_windows_resources target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "WINDOW" "DESCRIPTION" "ICON")
    set(out ${CMAKE_CURRENT_BINARY_DIR}/windows)
    set(QUORRIX_RC_NAME ${target})
    set(QUORRIX_RC_DESCRIPTION ${arg_DESCRIPTION})
    set(QUORRIX_RC_MANIFEST ${out}/${target}.manifest)
    string(REPLACE "." "," QUORRIX_RC_VERSION ${PROJECT_VERSION})
    quorrix_windows_manifest(${QUORRIX_RC_MANIFEST} "${arg_WINDOW}")
    set(depends ${QUORRIX_RC_MANIFEST})
    set(QUORRIX_RC_ICON "")
    if(arg_ICON)
        # IDI_ICON1 is the name Qt's Windows platform looks for as the default window icon.
        quorrix_windows_icon(${out}/${target}.ico ${arg_ICON})
        set(QUORRIX_RC_ICON "IDI_ICON1 ICON \"${out}/${target}.ico\"")
        list(APPEND depends ${out}/${target}.ico)
    endif()
    configure_file(${QUORRIX_WINDOWS_TEMPLATES}/program.rc.in ${out}/${target}.rc @ONLY)
    # windres reads the manifest and the icon itself: a change to either rebuilds the .rc.
    set_source_files_properties(${out}/${target}.rc PROPERTIES OBJECT_DEPENDS "${depends}")
    target_sources(${target} PRIVATE ${out}/${target}.rc ${depends})
endfunction()
