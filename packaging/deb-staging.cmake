# Run by CPack on its staging folder before it packs the .deb (CPACK_PRE_BUILD_SCRIPTS).
set(staging ${CPACK_TEMPORARY_INSTALL_DIRECTORY})

# The program stripped as Debian's dh_strip strips it: its symbols and debugging
# information, and the .comment and .note sections that the package does not need.
file(GLOB programs "${staging}/usr/bin/*")
if(NOT programs)
    message(FATAL_ERROR "deb-staging.cmake: no program in ${staging}/usr/bin")
endif()
foreach(program IN LISTS programs)
    execute_process(COMMAND ${CPACK_QUORVEL_STRIP} --remove-section=.comment --remove-section=.note ${program}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# lintian's overrides, where dh_lintian would put them: they concern the package only.
set(overrides ${staging}/usr/share/lintian/overrides)
file(MAKE_DIRECTORY ${overrides})
file(COPY_FILE ${CPACK_QUORVEL_SOURCE_DIR}/packaging/lintian-overrides ${overrides}/quorvel)

# The modes a package's files have whatever the umask of the build: CPack makes
# some folders (usr/bin) with the umask's. Folders and programs 755, the rest 644.
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${staging}/*")
foreach(entry IN LISTS entries)
    if(IS_DIRECTORY ${entry} OR entry MATCHES "/usr/bin/[^/]+$")
        file(CHMOD ${entry} PERMISSIONS
             OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    else()
        file(CHMOD ${entry} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    endif()
endforeach()
