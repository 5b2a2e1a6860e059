# Thin wrapper around the CMake presets; see README.md.
JOBS ?= $(shell nproc)
WERROR ?= OFF
EXAMPLE ?= examples/company/input.txt
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60

.PHONY: all build release run test sanitize valgrind fuzz bench install package format clean web serve

all: build

build:
	cmake --preset debug -DQERIX_WERROR=$(WERROR) >/dev/null
	cmake --build --preset debug -j $(JOBS)

release:
	cmake --preset release -DQERIX_WERROR=$(WERROR) >/dev/null
	cmake --build --preset release -j $(JOBS)

# Runs qerix on the bundled example; the output file goes to build/.
run: release
	./build/release/src/qerix $(EXAMPLE) build/example-output.txt

test: build
	@bash tests/missing_tools.sh
	ctest --preset debug -j $(JOBS)

# Every test under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
sanitize:
	cmake --preset asan -DQERIX_WERROR=$(WERROR) >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# The golden cases under valgrind memcheck (slow; not part of CI).
valgrind: build
	bash tests/valgrind.sh build/debug/src/qerix

# Builds the fuzz targets with clang and runs each for FUZZ_SECONDS.
fuzz:
	bash fuzz/run.sh $(FUZZ_SECONDS)

# Times the benchmark queries at several sizes; see docs/performance.md.
bench: release
	bash bench/run.sh build/release/src/qerix

# The page: build/web/index.html, the engine compiled to WebAssembly with
# Debian's emscripten; it works opened from the disk.
web:
	bash web/build.sh

# The page on http://localhost:8080/ (PORT=... for another port).
PORT ?= 8080
serve: web
	cd build/web && python3 -m http.server $(PORT) --bind 127.0.0.1

install: release
	cmake --install build/release --prefix $(PREFIX)

package: release
	cd build/release && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.h' '*.cpp')

clean:
	rm -rf build
