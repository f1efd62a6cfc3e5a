# Entry points; the build itself is CMake with Ninja (see CMakePresets.json).
SHELL := /bin/bash
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test asan-test fuzz fuzz-smoke demo demos format format-check clean

all: build

deps:
	@bash scripts/install-deps.sh

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
# store, created on first use). Builds only what the tool needs.
DEMO_BUILD ?= build
DEMO_OUT ?= out

demo: deps
	@test -f $(DEMO_BUILD)/build.ninja || \
	  cmake -S . -B $(DEMO_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRENNIX_WERROR=ON
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
	rm -rf build build-asan build-release build-fuzz
