# Install layout. The install prefix is the root of a file system tree ("/" unless given), and
# every destination is relative to it, so "cmake --install --prefix <folder>", DESTDIR staging
# and the Debian package (debian/) lay out the same tree under another root:
#   usr/lib/tolkconv/   the programs
#   usr/bin/            a relative link per program into the program folder
#   usr/share/tolkconv/ their reference lists and the help, which are the same on every
#                       architecture; the programs find it relative to their own folder
#   usr/share/          the desktop entry, the icons, the AppStream metadata, the manual pages
#                       and the bash completion, where a desktop, man and bash look for them
#                       (the package adds the copyright and the changelog)
# The machine-wide record the window program keeps (the host's "exename") is state, not
# configuration: it lies in TOLK_STATE_DIR, which the package creates and removes on purge.

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
    set(CMAKE_INSTALL_PREFIX / CACHE PATH "Root of the installed tree" FORCE)
endif()
set(TOLK_PROGRAM_DIR usr/lib/tolkconv CACHE STRING "Program folder, relative to the install prefix")
set(TOLK_COMMAND_DIR usr/bin CACHE STRING "Folder of the command links, relative to the prefix")
set(TOLK_SHARE_DIR usr/share CACHE STRING "Root of the shared files, relative to the prefix")
set(TOLK_DATA_DIR ${TOLK_SHARE_DIR}/tolkconv)
# The data folder as the programs find it from their own folder, in any tree the layout lands in.
file(RELATIVE_PATH TOLK_DATA_FROM_PROGRAM /${TOLK_PROGRAM_DIR} /${TOLK_DATA_DIR})
set(TOLK_STATE_DIR /var/lib/tolkconv CACHE PATH
    "Folder of the machine-wide record, created by the package (absolute)")

# tolk_install_program(<target>): installs the executable into the program folder and a link of
# the same name in the command folder. The link is relative, so it points into the program
# folder of the tree it lands in, whatever root that tree is staged under; the executable's
# folder is resolved through the link (/proc/self/exe), which is where its files lie.
function(tolk_install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${TOLK_PROGRAM_DIR})
    file(RELATIVE_PATH link_target /${TOLK_COMMAND_DIR} /${TOLK_PROGRAM_DIR}/${target})
    set(link_folder ${PROJECT_BINARY_DIR}/command-links)
    file(MAKE_DIRECTORY ${link_folder})
    file(CREATE_LINK ${link_target} ${link_folder}/${target} SYMBOLIC)
    install(FILES ${link_folder}/${target} DESTINATION ${TOLK_COMMAND_DIR})
endfunction()

# tolk_install_gzipped(<file> <destination>): installs the file compressed as <file>.gz, the way
# Debian ships manual pages and changelogs: at the highest compression and without the name and
# time in the gzip header, so that the same source gives the same package.
function(tolk_install_gzipped file destination)
    get_filename_component(name ${file} NAME)
    set(packed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${packed}
        COMMAND gzip -9 -n -c ${file} > ${packed}
        DEPENDS ${file}
        COMMENT "Compressing ${name}")
    add_custom_target(tolk_gzip_${name} ALL DEPENDS ${packed})
    install(FILES ${packed} DESTINATION ${destination})
endfunction()
