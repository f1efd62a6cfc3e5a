# Entry points; the build itself is CMake with Ninja (see CMakePresets.json).
SHELL := /bin/bash
JOBS ?= $(shell nproc)

.PHONY: all deps configure build test asan-test format format-check clean

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

format:
	@bash scripts/format.sh fix

format-check:
	@bash scripts/format.sh check

clean:
	rm -rf build build-asan build-release
