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

# lintian's overrides, where dh_lintian would put them: they concern the package
# only. Folders and file get their modes whatever the umask.
set(overrides ${staging}/usr/share/lintian/overrides)
file(MAKE_DIRECTORY ${overrides})
file(COPY_FILE ${CPACK_QUORVEL_SOURCE_DIR}/packaging/lintian-overrides ${overrides}/quorvel)
file(CHMOD ${staging}/usr/share/lintian ${overrides}
     PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CHMOD ${overrides}/quorvel PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
