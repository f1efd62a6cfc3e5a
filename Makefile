# Entry points; the build itself is CMake with Ninja (see CMakePresets.json).
SHELL := /bin/bash
JOBS ?= $(shell nproc)

.PHONY: all deps deps-demo configure build test asan-test clang-release consumer-test \
        install fuzz fuzz-smoke demo demos format format-check clean

all: build

deps:
	@bash scripts/install-deps.sh

# Only what the libraries and the command-line tools need: no test,
# benchmark, Qt or clang package.
deps-demo:
	@bash scripts/install-deps.sh demo

build/build.ninja: | deps
	cmake --preset default

configure: build/build.ninja

build: deps configure
	cmake --build --preset default -j $(JOBS)

test: build
	ctest --preset default -j $(JOBS)

build-asan/build.ninja: | deps
	cmake --preset asan

asan-test: deps build-asan/build.ninja
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# An optimised clang build of everything but the tests, which CI installs
# for the consumer test. Its tests too: cmake --preset clang-release
# -DBRENNIX_TESTS=ON, then ctest --preset clang-release.
build-clang-release/build.ninja: | deps
	cmake --preset clang-release

clang-release: deps build-clang-release/build.ninja
	cmake --build --preset clang-release -j $(JOBS)

# examples/ built and run against `cmake --install` of CONSUMER_BUILD in a
# temporary prefix (see scripts/consumer-test.sh).
CONSUMER_BUILD ?= build

consumer-test:
	@test -f $(CONSUMER_BUILD)/build.ninja || $(MAKE) build
	cmake --build $(CONSUMER_BUILD) -j $(JOBS)
	bash scripts/consumer-test.sh $(CONSUMER_BUILD)

# Libraries, headers, package files and tools under PREFIX.
PREFIX ?= /usr/local

install: build
	cmake --install build --prefix $(PREFIX)

# The libFuzzer targets (clang, address and undefined-behaviour sanitizers),
# each run for FUZZ_SECONDS; corpora and crashes stay under build-fuzz.
FUZZ_SECONDS ?= 60

build-fuzz/build.ninja: | deps
	cmake --preset fuzz

fuzz: deps build-fuzz/build.ninja
	cmake --build --preset fuzz -j $(JOBS) --target fuzzers
	bash scripts/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS)

# Each target for a short time, as a check that no regression crashes early.
FUZZ_SMOKE_SECONDS ?= 15

fuzz-smoke: deps build-fuzz/build.ninja
	cmake --build --preset fuzz -j $(JOBS) --target fuzzers
	bash scripts/run-fuzzers.sh build-fuzz $(FUZZ_SMOKE_SECONDS)

# brennix-acquire on the simulated boards: an interrupt run of 1000 samples at
# 10000 per second from the sine on the Vexa board (device 1 of the default
# store, created on first use). Builds only what the tool needs, in a build
# of its own without tests or Qt, so it needs no test or benchmark package.
DEMO_BUILD ?= build-demo
DEMO_OUT ?= out

demo: deps-demo
	@test -f $(DEMO_BUILD)/build.ninja || cmake --preset demo -B $(DEMO_BUILD)
	cmake --build $(DEMO_BUILD) --target brennix-acquire -j $(JOBS)
	@mkdir -p $(DEMO_OUT)
	$(DEMO_BUILD)/bin/brennix-acquire --create-store --device 1 --channel 0 --mode interrupt \
	  --rate 10000 --count 1000 --csv $(DEMO_OUT)/acquisition.csv --png $(DEMO_OUT)/acquisition.png

# The four demonstration programs (synthesize, fennick, garrow, hollin) with
# the control and driver libraries they load at run time, into build/bin.
demos: deps configure
	cmake --build --preset default --target demos -j $(JOBS)

format:
	@bash scripts/format.sh fix

format-check:
	@bash scripts/format.sh check

clean:
	rm -rf build build-asan build-release build-fuzz build-clang-release build-demo
