# The README's commands. Each one installs what is missing, configures and builds
# first. The build variants and their flags are the presets in CMakePresets.json.
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
# CI (CI=true) turns every compiler warning into an error.
WERROR ?= $(if $(CI),ON,OFF)

.PHONY: all deps configure build run test test-quick test-sanitize soak package bench fuzz clean \
	windows test-windows pictures

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

# A Debian package of the build, in build/.
package: build
	./scripts/install-deps package
	cd build && cpack -G DEB

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
	rm -rf build build-bench build-sanitize build-fuzz build-windows
