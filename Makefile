# Thin wrapper around the CMake presets; every target installs what is missing first.
.PHONY: deps build test run sanitize fuzz bench format format-check clean

START ?= sample/Start.xml
FUZZ_SECONDS ?= 60

deps:
	@scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default

test: build
	ctest --preset default

run: build
	build/bin/morvek $(START)

sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	scripts/run-fuzzers $(FUZZ_SECONDS)

bench: build
	scripts/run-benchmarks

SOURCES = git ls-files -co --exclude-standard '*.cpp' '*.h'

format:
	$(SOURCES) | xargs clang-format -i

format-check:
	$(SOURCES) | xargs clang-format --dry-run --Werror

clean:
	rm -rf build build-sanitize build-fuzz
