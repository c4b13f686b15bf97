# The README's commands. Each one installs what is missing, configures and builds
# first. The build variants and their flags are the presets in CMakePresets.json.
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
# CI (CI=true) turns every compiler warning into an error.
WERROR ?= $(if $(CI),ON,OFF)

.PHONY: all deps configure build run test test-quick test-sanitize soak package \
        build-arm64 test-arm64 package-arm64 windows test-windows web test-web web-bench-site pictures bench fuzz clean

all: build

deps:
	./scripts/install-deps

configure: deps
	cmake --preset default -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR)

build: configure
	cmake --build build -j $(JOBS)

run: build
	build/src/quorvel

test: build
	ctest --preset default -j $(JOBS)

# The quick part of the suite (labels unit and window), in seconds.
test-quick: build
	ctest --preset quick -j $(JOBS)

# The storm of tst_storm with SOAK_RUNS fresh random seeds, on request; the
# suite itself always plays the same storm.
SOAK_RUNS ?= 50
soak: build
	cd build && for i in $$(seq $(SOAK_RUNS)); do \
		QT_QPA_PLATFORM=offscreen QUORVEL_STORM_SEED=random tests/tst_storm -silent pupilPressesEverything || exit 1; \
	done

# A Debian package of the build, in build/. Its files carry the time of the
# last commit (SOURCE_DATE_EPOCH), so that the same commit gives the same bytes.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif
# CPack packs under umask 022, as dpkg-buildpackage does: the .deb's own members
# take their modes from it.
package: build
	./scripts/install-deps package
	cd build && umask 022 && cpack -G DEB

# The game and its whole suite cross-built for arm64 (the Raspberry Pi) in
# build-arm64/, with Debian's :arm64 packages; qemu-user runs the tests.
build-arm64:
	./scripts/install-deps arm64
	./scripts/qemu-binfmt
	mkdir -p build-arm64
	c++ -std=c++20 -O2 -Wall -Wextra -Wpedantic $(if $(CI),-Werror) -o build-arm64/qemu-no-pidfd cmake/qemu-no-pidfd.cpp
	cmake --preset arm64 -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR)
	cmake --build build-arm64 -j $(JOBS)

test-arm64: build-arm64
	ctest --preset arm64 -j $(JOBS)

package-arm64: build-arm64
	cd build-arm64 && umask 022 && cpack -G DEB

# The whole suite once more, built with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/. Any report ends its test with a failure. Suppressions
# may only name system libraries, in tests/sanitizers/lsan.supp.
test-sanitize: deps
	cmake --preset sanitize -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR)
	cmake --build build-sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# The game for 64-bit Windows in build-windows/: Quorvel.exe, its installer and
# its zip. Qt for Windows is built from Debian's Qt sources the first time
# (scripts/windows-qt) and kept in /var/cache/quorvel-windows-qt/; the icon
# comes from the Linux build.
windows: build
	./scripts/install-deps windows
	QUORVEL_WINDOWS_QT=$$(./scripts/windows-qt) && export QUORVEL_WINDOWS_QT && \
		cmake --preset windows -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR) && \
		cmake --build build-windows -j $(JOBS)

# The whole suite for Windows under Wine, in a Wine prefix made afresh.
test-windows: windows
	./scripts/wine-test-prefix
	ctest --preset windows -j $(JOBS); status=$$?; \
		WINEPREFIX=$(CURDIR)/build-windows/wine-prefix wineserver -k; exit $$status

# The game for the browser in build-web/ (built in build-wasm/), in Debian 13 or
# later: emscripten with a static Qt for WebAssembly that `scripts/web-qt` builds
# from Debian's Qt sources the first time and keeps in /var/cache/quorvel-web-qt/.
# From Debian 12, scripts/web-in-debian builds it in a clean Debian 13 root.
web:
	./scripts/install-deps web
	QUORVEL_WEB_QT=$$(./scripts/web-qt) && export QUORVEL_WEB_QT EMSDK=$$QUORVEL_WEB_QT/emsdk && \
		cmake --preset web -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR) && \
		cmake --build build-wasm -j $(JOBS) --target web-site

# The plain functions' tests built for WebAssembly, under Debian's nodejs.
test-web: web
	QUORVEL_WEB_QT=$$(./scripts/web-qt) && export QUORVEL_WEB_QT EMSDK=$$QUORVEL_WEB_QT/emsdk && \
		cmake --build build-wasm -j $(JOBS) && ctest --preset web -j $(JOBS)

# The bare Qt window's page that scripts/web-bench compares the game with, in build-web-bench/.
web-bench-site: web
	QUORVEL_WEB_QT=$$(./scripts/web-qt) && export QUORVEL_WEB_QT EMSDK=$$QUORVEL_WEB_QT/emsdk && \
		cmake --build build-wasm -j $(JOBS) --target web-bench-site

# Records the game's pictures again from their SVG drawings, after one changed.
pictures: build
	cmake --build build --target pictures

# Benchmarks, in a release build of their own; never part of the tests.
bench:
	./scripts/install-deps bench
	cmake --preset bench
	cmake --build build-bench -j $(JOBS)
	./bench/run build-bench

# Every fuzz target for FUZZ_SECONDS each, in a clang build of its own (fuzz/run).
FUZZ_SECONDS ?= 60
fuzz:
	./fuzz/run all $(FUZZ_SECONDS)

clean:
	rm -rf build build-arm64 build-bench build-sanitize build-fuzz build-windows build-wasm build-web build-web-bench
