# The README's commands. Each one installs what is missing, configures and builds first.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
# CI (CI=true) turns every compiler warning into an error.
WERROR ?= $(if $(CI),ON,OFF)

.PHONY: all deps configure build run test test-sanitize soak package bench fuzz clean

all: build

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/quorvel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The storm of tst_storm with SOAK_RUNS fresh random seeds, on request; the
# suite itself always plays the same storm.
SOAK_RUNS ?= 50
soak: build
	cd $(BUILD) && for i in $$(seq $(SOAK_RUNS)); do \
		QT_QPA_PLATFORM=offscreen QUORVEL_STORM_SEED=random tests/tst_storm -silent pupilPressesEverything || exit 1; \
	done

# A Debian package of the build, in $(BUILD)/.
package: build
	./scripts/install-deps package
	cd $(BUILD) && cpack -G DEB

# The whole suite once more, built with AddressSanitizer and UndefinedBehaviorSanitizer
# in a folder of its own. Any report ends its test with a failure. Suppressions
# may only name system libraries, in tests/sanitizers/lsan.supp.
SANITIZE = build-sanitize
SANITIZE_FLAGS = -O1 -g -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
SANITIZE_ENV = ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
	UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0

test-sanitize: deps
	cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR) "-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" \
		"-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
	cmake --build $(SANITIZE) -j $(JOBS)
	cd $(SANITIZE) && QT_QPA_PLATFORM=offscreen $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# Benchmarks, in a release build of their own; never part of the tests.
bench:
	./scripts/install-deps bench
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build build-bench -j $(JOBS)
	./bench/run build-bench

# Every fuzz target for FUZZ_SECONDS each, in a clang build of its own (fuzz/run).
FUZZ_SECONDS ?= 60
fuzz:
	./fuzz/run all $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-bench $(SANITIZE) build-fuzz
