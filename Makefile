# Thin wrapper over the CMake presets. Every target first makes sure the build's packages are there.
SHELL := /bin/bash
PRESET ?= default
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 30
# ON in CI: any compiler warning fails the build.
WERROR ?= OFF

.PHONY: all bootstrap configure build test test-sanitized windows-kit test-windows package-windows fuzz fuzz-smoke run bench package screenshots check check-layers check-format clean

all: build

bootstrap:
	@bash tools/bootstrap.sh

configure: bootstrap
	@cmake --preset $(PRESET) -DDOSSIER_WARNINGS_AS_ERRORS=$(WERROR) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

# Builds, then runs every test; output is shown for any test that fails.
test: build
	@ctest --preset $(PRESET) -j $(JOBS)

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitized:
	@$(MAKE) --no-print-directory test PRESET=sanitize

# Qt for Windows, built once from Debian's own source into ~/.cache/dossier (half an hour).
windows-kit:
	@bash tools/bootstrap.sh windows
	@bash tools/windows_kit.sh

# Both programs and every test cross-built for Windows and run under Wine in a virtual display,
# in a Wine prefix of the build's own (build-windows/wine-prefix) with code page 1252; then the
# zip, unpacked into a bare prefix and used end to end.
test-windows:
	@JOBS=$(JOBS) WERROR=$(WERROR) bash tools/windows.sh test

# build-windows/dossier-<version>-windows-x64.zip: both programs, Qt's DLLs, the licences.
package-windows:
	@JOBS=$(JOBS) WERROR=$(WERROR) bash tools/windows.sh package

run: build
	@build/bin/dossier

fuzz:
	@$(MAKE) --no-print-directory build PRESET=fuzz

# A short fuzzing run of each fuzzer from its committed corpus; new inputs go to a scratch folder.
fuzz-smoke: fuzz
	@for fuzzer in record_fuzzer:corpus character_file_fuzzer:character_corpus; do \
	 scratch=$$(mktemp -d) && cp fuzz/$${fuzzer#*:}/* "$$scratch"/ && echo "$${fuzzer%:*}:" && \
	 build-fuzz/fuzz/$${fuzzer%:*} -max_total_time=$(FUZZ_SECONDS) -seed=1 -print_final_stats=1 \
	   -artifact_prefix="$$scratch/" "$$scratch" 2>&1 | grep -E '^(Done|stat::number_of_executed_units|==|SUMMARY)' ; \
	 status=$${PIPESTATUS[0]}; rm -rf "$$scratch"; [ $$status -eq 0 ] || exit $$status; done

bench: build
	@build/bench/dossier_bench

package: build
	@cd build && cpack -G DEB

screenshots: build
	@bash tools/screenshots.sh

# Each folder of src/ uses only those below it, and Qt only where it may; the C++ files the
# last commit changed are as clang-format lays them out (FORMAT_BASE=<commit> for more).
check: check-layers check-format

check-layers:
	@bash tools/check_layers.sh

check-format: bootstrap
	@bash tools/check_format.sh

clean:
	rm -rf build build-*
