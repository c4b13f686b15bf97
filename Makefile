# The README's commands. Each one installs what is missing, configures and builds first.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test package bench clean

all: build

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/quorvel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A Debian package of the build, in $(BUILD)/.
package: build
	./scripts/install-deps package
	cd $(BUILD) && cpack -G DEB

# Benchmarks, in a release build of their own; never part of the tests.
bench:
	./scripts/install-deps bench
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build build-bench -j $(JOBS)
	./bench/run build-bench

clean:
	rm -rf $(BUILD) build-bench
