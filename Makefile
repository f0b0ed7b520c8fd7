# SPDX-License-Identifier: GPL-3.0-or-later
# The one entry point: every target installs what is missing, then builds.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
FUZZ_REPLAY_SECONDS ?= 30
FUZZ_JOBS ?= 1
FUZZ_TARGETS ?=
JOBS       ?= $(shell nproc)

MUTATE_SEED ?= 1
MUTATE_MAX ?= 30

.PHONY: deps build test test-system test-asan fuzz-build fuzz test-fuzz mutate run bench package clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# ctest in the build folder runs the quick tests; the system checks (cpack,
# a project built against the installed CMake package) are a group of their own.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-system
	$(MAKE) test-asan
	$(MAKE) test-fuzz

test-system: build
	ctest --test-dir $(BUILD)/tests/package --output-on-failure -j $(JOBS)

# The non-GUI tests again, under address and undefined-behaviour sanitizers.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTOVIX_SANITIZE=ON -DTOVIX_BUILD_GUI=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -LE gui

# The fuzz targets: clang with libFuzzer and sanitizers, in a build of their own.
fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DTOVIX_FUZZ=ON -DTOVIX_BUILD_GUI=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Each target for FUZZ_SECONDS, FUZZ_JOBS side by side, growing and then
# shrinking fuzz/corpus/; FUZZ_TARGETS picks some (default: all).
FUZZ_ENV = FUZZ_BIN=$(FUZZ_BUILD)/bin FUZZ_JOBS=$(FUZZ_JOBS) FUZZ_TARGETS="$(FUZZ_TARGETS)"
fuzz: fuzz-build
	$(FUZZ_ENV) bash scripts/fuzz.sh grow $(FUZZ_SECONDS)

# Each target briefly from the committed corpus, leaving the tree clean.
test-fuzz: fuzz-build
	$(FUZZ_ENV) bash scripts/fuzz.sh replay $(FUZZ_REPLAY_SECONDS)

# Single-line faults in FILES, at most MUTATE_MAX a file, each built in a
# scratch copy of the tree (build-mutate/) and run against the tests that
# contain the file; prints the score and the mutants no test noticed.
mutate: deps
	@test -n "$(FILES)" || { echo 'usage: make mutate FILES="core/a.cpp export/b.cpp"' >&2; exit 2; }
	python3 scripts/mutate.py --seed $(MUTATE_SEED) --max $(MUTATE_MAX) $(FILES)

run: build
	$(BUILD)/bin/tovix

bench: build
	$(BUILD)/bench/tovix_bench

# The Debian package, made from the build and copied here.
package: build
	cd $(BUILD) && cpack
	cp $(BUILD)/tovix_*.deb .

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) build-mutate
