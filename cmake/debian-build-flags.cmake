# The flags a Debian package build compiles and links with, from dpkg-buildflags
# with every hardening feature on: the stack protector, fortified functions,
# read-only relocations bound at start, stack-clash and control-flow protection.
# dpkg-buildflags also maps the folder it runs in to "." (-ffile-prefix-map), so
# run from the source folder no build path lands in the program.
# QUORVEL_DEB_HOST_ARCH names the Debian architecture of a cross build (arm64).
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
set(buildflags_env DEB_BUILD_MAINT_OPTIONS=hardening=+all)
if(QUORVEL_DEB_HOST_ARCH)
    list(APPEND buildflags_env DEB_HOST_ARCH=${QUORVEL_DEB_HOST_ARCH})
endif()
foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${buildflags_env} ${DPKG_BUILDFLAGS} --get ${kind}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE deb_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# Level 3 of the fortified functions (GCC 12 and later) also checks sizes known
# only at run time: at level 2 the compiler knows the size of none of the
# program's buffers, so that no call would be checked at all.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12)
    string(REPLACE "-D_FORTIFY_SOURCE=2" "-D_FORTIFY_SOURCE=3" deb_CPPFLAGS "${deb_CPPFLAGS}")
endif()
# Debian 12's dpkg-buildflags does not ask for stack-clash and control-flow
# protection yet, Debian 13's does: the build asks for them itself where missing.
if(NOT deb_CXXFLAGS MATCHES "-fstack-clash-protection")
    string(APPEND deb_CXXFLAGS " -fstack-clash-protection")
endif()
if(NOT deb_CXXFLAGS MATCHES "-fcf-protection|-mbranch-protection")
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
        string(APPEND deb_CXXFLAGS " -fcf-protection")
    elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "aarch64|arm64")
        string(APPEND deb_CXXFLAGS " -mbranch-protection=standard")
    endif()
endif()
# The linker marks a program as protected (IBT, SHSTK) only when every object in
# it is marked, and Debian 12's C start-up objects (crt1.o, crti.o) are not,
# although everything compiled here is: the mark is asked for explicitly.
if(deb_CXXFLAGS MATCHES "-fcf-protection")
    string(APPEND deb_LDFLAGS " -Wl,-z,ibt -Wl,-z,shstk")
endif()
string(APPEND CMAKE_CXX_FLAGS " ${deb_CPPFLAGS} ${deb_CXXFLAGS}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${deb_LDFLAGS}")
string(APPEND CMAKE_SHARED_LINKER_FLAGS " ${deb_LDFLAGS}")
message(STATUS "Debian build flags: ${deb_CPPFLAGS} ${deb_CXXFLAGS} | ${deb_LDFLAGS}")
