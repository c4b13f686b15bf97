# Cross-building for arm64 (the Raspberry Pi's Debian) with Debian's multiarch
# packages: crossbuild-essential-arm64's compiler, Qt's libraries and headers of
# the :arm64 packages, and this machine's own Qt tools (moc, rcc, uic).
# Programs built here run under qemu-user: the icons are rendered at build time
# by a program of the build, and the tests run there. The arm64 preset names
# the emulator (CMAKE_CROSSCOMPILING_EMULATOR): qemu-aarch64-static, started
# through qemu-no-pidfd (see there), which `make build-arm64` compiles first.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)

set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake)

# The Debian architecture, for dpkg-buildflags and the package.
set(QUORVEL_DEB_HOST_ARCH arm64)
