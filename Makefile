# Thin wrapper around the CMake presets; see README.md.
JOBS ?= $(shell nproc)
WERROR ?= OFF
EXAMPLE ?= examples/company/input.txt
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60

.PHONY: all build release run test dependencies sanitize valgrind fuzz bench install package format clean web serve

all: build

build:
	cmake --preset debug -DQERIX_WERROR=$(WERROR) >/dev/null
	cmake --build --preset debug -j $(JOBS)

release:
	cmake --preset release -DQERIX_WERROR=$(WERROR) >/dev/null
	cmake --build --preset release -j $(JOBS)

# Builds qerix alone (it needs nothing beyond the C++ toolchain) and runs it
# on the bundled example; the output file goes to build/.
run:
	@bash scripts/dependencies.sh build
	cmake --preset run >/dev/null
	cmake --build --preset run -j $(JOBS) --target qerix
	./build/run/src/qerix $(EXAMPLE) build/example-output.txt

# Installs what the tests need when it is missing (scripts/dependencies.sh),
# then builds everything and runs every test, the page's included.
test: dependencies
	$(MAKE) build
	ctest --preset debug -j $(JOBS)

dependencies:
	@bash scripts/dependencies.sh test

# Every test under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
sanitize: dependencies
	cmake --preset asan -DQERIX_WERROR=$(WERROR) >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# The golden cases under valgrind memcheck (slow; not part of CI).
valgrind: build
	bash tests/valgrind.sh build/debug/src/qerix

# Builds the fuzz targets with clang and runs each for FUZZ_SECONDS.
fuzz:
	@bash scripts/dependencies.sh fuzz
	bash fuzz/run.sh $(FUZZ_SECONDS)

# Times the benchmark queries at several sizes; see docs/performance.md.
bench:
	@bash scripts/dependencies.sh bench
	$(MAKE) release
	bash bench/run.sh build/release/src/qerix

# The page: build/web/index.html, the engine compiled to WebAssembly with
# Debian's emscripten; it works opened from the disk.
web:
	@bash scripts/dependencies.sh web
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
