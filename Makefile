# Thin wrapper around the CMake presets.
JOBS ?= $(shell nproc)
WERROR ?= OFF
EXAMPLE ?= examples/company/input.txt

.PHONY: all build run test sanitize clean

all: build

build:
	cmake --preset debug -DQERIX_WERROR=$(WERROR) >/dev/null
	cmake --build --preset debug -j $(JOBS)

run:
	cmake --preset release -DQERIX_WERROR=$(WERROR) >/dev/null
	cmake --build --preset release -j $(JOBS)
	./build/release/src/qerix $(EXAMPLE) build/example-output.txt

test: build
	ctest --preset debug -j $(JOBS)

sanitize:
	cmake --preset asan -DQERIX_WERROR=$(WERROR) >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

clean:
	rm -rf build
